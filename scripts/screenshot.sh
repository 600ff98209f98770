#!/usr/bin/env bash
# Takes the picture of the main window shown in README.md: the x86_64 program under
# wine64 on a private virtual display, cropped to its window.
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT]   (defaults build/win64, docs/quillcast.png)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${1:-$root/build/win64}")"
output="$(realpath -m "${2:-$root/docs/quillcast.png}")"

if [ "${_QC_IN_SESSION:-}" != 1 ]; then
  [ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
  cmake --build "$build" -j 2 --target quillcast >/dev/null
  _QC_IN_SESSION=1 exec "$root/scripts/wine-session.sh" "$build" "$0" "$build" "$output"
fi

# Inside the session: DISPLAY and WINEPREFIX are set.
"$QC_WINE64" "$build/quillcast.exe" >/dev/null 2>&1 &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

# The main window's X window, by its caption; then its place on the screen.
geometry=""
for _ in $(seq 200); do
  id=$(xwininfo -root -tree 2>/dev/null | awk '/"Quillcast": \(/ {print $1; exit}')
  if [ -n "$id" ]; then
    geometry=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
      /Width:/ {w=$2} /Height:/ {h=$2} END {if (w > 1 && h > 1) printf "%dx%d+%d+%d", w, h, x, y}')
    [ -n "$geometry" ] && break
  fi
  sleep 0.05
done
[ -n "$geometry" ] || { echo "screenshot.sh: the main window did not appear" >&2; exit 1; }

# Pointer off the buttons (no hover state); then let the first paint and tick land.
xdotool mousemove 1270 1010
sleep 1.5
mkdir -p "$(dirname "$output")"
import -window root -crop "$geometry" +repage "$output"
echo "$output $geometry"
