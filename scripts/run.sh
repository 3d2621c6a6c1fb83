#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine. With a DISPLAY the window appears there;
# without one it runs on a private Xvfb, a screenshot is saved as PNG and its path printed.
#   scripts/run.sh [--screenshot FILE] [--seconds N] [--skin SKIN_FILE]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

shot="$root/build/windows/screenshot.png"
seconds=3
app_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --screenshot) shot="$2"; shift 2 ;;
    --seconds) seconds="$2"; shift 2 ;;
    --skin) app_args=(--skin "$(realpath "$2")"); shift 2 ;;
    *) echo "usage: scripts/run.sh [--screenshot FILE] [--seconds N] [--skin SKIN_FILE]" >&2; exit 2 ;;
  esac
done

scripts/setup-debian.sh
cmake --preset windows
cmake --build --preset windows

bin="$root/build/windows/bin"
export TOLVANE_WINEPREFIX="$root/build/windows/wineprefix-app"
wine_run=("$root/scripts/wine-run" --prefix "$TOLVANE_WINEPREFIX")

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  source scripts/xvfb-session.sh
  xvfb_session_start
  trap xvfb_session_stop EXIT
fi

"$root/scripts/wine-prefix-init" "$TOLVANE_WINEPREFIX"

# The speech component is registered in the program's prefix, as an installer would.
if [ -f "$bin/TTSObj.dll" ]; then
  "${wine_run[@]}" regsvr32 /s "$bin/TTSObj.dll" || echo "warning: could not register TTSObj.dll" >&2
fi

if [ "$headless" = 0 ]; then
  exec "${wine_run[@]}" "$bin/Tolvane.exe" "${app_args[@]}"
fi

"${wine_run[@]}" "$bin/Tolvane.exe" "${app_args[@]}" &
app=$!
# Wait for the window to be shown (the first start of a prefix takes a while), then let it paint.
for _ in $(seq 1 120); do
  xdotool search --name 'TolvaneV1.5' >/dev/null 2>&1 && break
  sleep 0.5
done
sleep "$seconds"
mkdir -p "$(dirname "$shot")"
import -window root "$shot"
echo "Screenshot: $shot"
kill "$app" 2>/dev/null || true
