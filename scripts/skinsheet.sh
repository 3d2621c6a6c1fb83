#!/usr/bin/env bash
# Draws a contact sheet of a skin file (every element, each frame cut to a few sizes) as a PNG.
#   scripts/skinsheet.sh [SKIN_FILE] [OUT.png]
# Defaults: the default skin of the Windows build, and build/windows/skinsheet.png.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

skin="${1:-$root/build/windows/skins/default.skin}"
out="${2:-$root/build/windows/skinsheet.png}"

scripts/setup-debian.sh
cmake --preset windows
cmake --build --preset windows --target skinsheet default_skin

bmp=$(mktemp --suffix=.bmp)
trap 'rm -f "$bmp"' EXIT
TOLVANE_WINE_MANAGED=0 scripts/wine-run "$root/build/windows/bin/skinsheet.exe" "Z:$(realpath "$skin")" "Z:$bmp"
mkdir -p "$(dirname "$out")"
convert "$bmp" "$out"
echo "Contact sheet: $out"
