#!/usr/bin/env bash
# About box figures under wine64 on a private virtual display: the time from a click on
# About to the box on the screen (its opening animation included), and the test
# build's live handles and GDI/USER objects and its committed memory across repeated
# openings and closings. Prints figures; never a pass/fail.
#
#   bench/about.sh [BUILD_DIR] [TIMED_OPENINGS] [CYCLES]
#
# BUILD_DIR: an x86_64 Windows build folder (default build/win64, configured as a
# Release build when it does not exist yet).
#
# The prefix is a scratch one whose windows Wine leaves unmanaged: with no window
# manager on the display, Wine otherwise waits some 2 s for every managed window it
# hides, which would only stretch each closing (the figures measure the opening).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/win64}"
openings="${2:-30}"
cycles="${3:-200}"

[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
cmake --build "$build" --target quillcast-testhooks about_bench -j 2 >/dev/null
build=$(cd "$build" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/qc-about-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
# shellcheck disable=SC2016  # expanded inside the session
"$root/scripts/wine-session.sh" "$work" bash -c '
  "$QC_WINE64" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  timeout -k 10 1800 "$QC_WINE64" "$0/about_bench.exe" "$1" "$2"' "$build" "$openings" "$cycles"
