#!/usr/bin/env bash
# Painting figures of the window decoration, under wine64 on a private virtual
# display large enough for a 1920x1080 client area: a full repaint against one
# BitBlt of a bitmap that size, live GDI objects across resizes, and client sizes
# from 0x0 to the largest the system allows. Prints figures; never a pass/fail.
#
#   bench/decoration.sh [BUILD_DIR] [REPAINTS] [RESIZES]
#
# BUILD_DIR: an x86_64 Windows build folder (default build/win64, configured as a
# Release build when it does not exist yet).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/win64}"
repaints="${2:-200}"
resizes="${3:-1000}"
wine64=${QC_WINE64:-/usr/lib/wine/wine64}
wineserver=${QC_WINESERVER:-/usr/lib/wine/wineserver}

[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
if ! log=$(cmake --build "$build" --target quillcast-testhooks decoration_bench -j 2 2>&1); then
  printf '%s\n' "$log" >&2
  exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/qc-decoration-bench.XXXXXX")
xvfb_pid=
cleanup() {
  WINEPREFIX="$work/prefix" "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A screen larger than the measured client area, so that nothing is cut off.
Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "decoration.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(tr -dc '0-9' <"$work/display")"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
"$wine64" wineboot --init >/dev/null 2>&1
"$wine64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
"$wineserver" -w
"$wineserver" -p  # one server for the whole run: starts cost no more than they must

echo "build: $build ($(grep -m1 '^CMAKE_BUILD_TYPE' "$build/CMakeCache.txt" | cut -d= -f2))"
timeout -k 10 600 "$wine64" "$build/decoration_bench.exe" "$repaints" "$resizes"
