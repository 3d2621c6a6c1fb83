#!/usr/bin/env bash
# Builds everything and runs every test: the portable code natively (sanitizers, short fuzz runs)
# and the Windows program, its speech component and the skin engine under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/setup-debian.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows

# One private X display for all Windows tests: they never touch the user's screen.
source scripts/xvfb-session.sh
xvfb_session_start
trap xvfb_session_stop EXIT
export TOLVANE_WINEPREFIX="$root/build/windows/wineprefix" TOLVANE_WINE_MANAGED=0
ctest --preset windows
