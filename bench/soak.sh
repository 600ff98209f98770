#!/usr/bin/env bash
# Soak of the test build under wine64 on a private virtual display: sends in a row,
# About openings and closings, resizes and armed clock ticks, with the program's live
# handles and GDI/USER objects, its committed memory (and the system's own counters,
# 0 under Wine) read before and after each phase, printed as one table.
#
#   bench/soak.sh [full|short] [BUILD_DIR]
#
# full (default): 1,000 sends, 200 About openings, 1,000 resizes, 60 minutes of ticks;
#                 figures only.
# short:          a tenth of each and 2 minutes of ticks; exits non-zero when a live
#                 count grows over a phase, so that it serves as a check.
# Either exits 2 when some work could not be done (no send, no box, no tick).
#
# BUILD_DIR: an x86_64 Windows build folder (default build/win64, configured as a
# Release build when it does not exist yet). The soak has a Wine prefix of its own,
# BUILD_DIR/soak/wineprefix, whose windows Wine leaves unmanaged: with no window
# manager on the display, Wine otherwise waits some 2 s for every managed window it
# hides, which would only stretch each closing of the About box.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
scale="${1:-full}"
build="${2:-$root/build/win64}"

case "$scale" in
  full)  args=(1000 200 1000 3600);  limit=10800 ;;
  short) args=(100 20 100 120 --check); limit=1200 ;;
  *) echo "usage: $0 [full|short] [BUILD_DIR]" >&2; exit 2 ;;
esac

[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
if ! log=$(cmake --build "$build" --target quillcast-testhooks net soak_driver -j 2 2>&1); then
  printf '%s\n' "$log" >&2
  exit 1
fi
build=$(cd "$build" && pwd)

echo "soak ($scale): ${args[*]}" >&2
# shellcheck disable=SC2016  # expanded inside the session
"$root/scripts/wine-session.sh" "$build/soak" bash -c '
  "$QC_WINE64" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  limit=$1; build=$2; shift 2
  timeout -k 10 "$limit" "$QC_WINE64" "$build/soak_driver.exe" "$@"' soak "$limit" "$build" "${args[@]}"
