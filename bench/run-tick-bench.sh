#!/usr/bin/env bash
# Where the program's clock ticks fall on the seconds of the local clock, over real
# time under wine64 on a private display: seconds missed, seconds ticked twice (targets
# 0 and 0), the offset of the ticks after the turn of the second, and the CPU time of
# the idle program (target <= 0.1 % of one core). Prints figures; never fails on them.
#
#   bench/run-tick-bench.sh [minutes] [idle-seconds]     (defaults 10 and 60)
#
# Builds quillcast.exe and tick_probe.exe in the x86_64 tree QC_BENCH_BUILD_DIR
# (default build/win64-tickbench); its Wine prefix is the session's.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
minutes=${1:-10}
idle_seconds=${2:-60}
build_dir=${QC_BENCH_BUILD_DIR:-$root/build/win64-tickbench}

[ -f "$build_dir/build.ninja" ] ||
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
cmake --build "$build_dir" -j 2 --target quillcast tick_probe >/dev/null

echo "tick bench: ${minutes} min of ticks after ${idle_seconds} s idle, $(date -u '+%Y-%m-%d %H:%M:%S') UTC, $(nproc) cores"
"$root/scripts/wine-session.sh" "$build_dir" \
  /usr/lib/wine/wine64 "$build_dir/tick_probe.exe" "$minutes" "$idle_seconds"
