#!/usr/bin/env bash
# Where the program's clock ticks fall on the seconds of the local clock, over real
# time under wine64 on a private display: seconds missed, seconds ticked twice (targets
# 0 and 0), the offset of the ticks after the turn of the second, and the CPU time of
# the idle program (target <= 0.1 % of one core). Prints figures; never fails on them.
#
#   bench/run-tick-bench.sh [minutes] [idle-seconds]     (defaults 10 and 60)
#
# Builds quillcast.exe and tick_probe.exe in the x86_64 tree QC_BENCH_BUILD_DIR
# (default build/win64-tickbench), whose Wine prefix the session uses.
#
# The idle CPU time is the kernel's count for the program's own Linux process
# (/proc/PID/stat): Wine's GetProcessTimes gives 0 for another process. The work
# wineserver does on the program's behalf is not in it.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
minutes=${1:-10}
idle_seconds=${2:-60}
build_dir=${QC_BENCH_BUILD_DIR:-$root/build/win64-tickbench}

[ -f "$build_dir/build.ninja" ] ||
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null || exit 1
cmake --build "$build_dir" -j 2 --target quillcast tick_probe >/dev/null || exit 1
build_dir=$(cd "$build_dir" && pwd)

# shellcheck source=../scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
program_pid=
finish() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
  fi
  wine_session_stop
}
trap finish EXIT
wine_session_start "$build_dir" || exit 1

# utime + stime of a process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

echo "tick bench: ${minutes} min of ticks, ${idle_seconds} s idle, $(date -u '+%Y-%m-%d %H:%M:%S') UTC, $(nproc) cores"

# The idle program: started on its own, left to tick for a few seconds past start-up,
# then measured over idle_seconds with nothing else asking anything of it.
"$QC_WINE64" "$build_dir/quillcast.exe" &
program_pid=$!
sleep 5
if [ -r "/proc/$program_pid/stat" ] && grep -qa 'quillcast.exe' "/proc/$program_pid/cmdline"; then
  hz=$(getconf CLK_TCK)
  before=$(cpu_ticks "$program_pid")
  start_ns=$(date +%s%N)
  sleep "$idle_seconds"
  after=$(cpu_ticks "$program_pid")
  end_ns=$(date +%s%N)
  awk -v t="$((after - before))" -v hz="$hz" -v ns="$((end_ns - start_ns))" 'BEGIN {
    cpu_ms = t * 1000 / hz; wall_ms = ns / 1e6
    printf "idle_cpu                   %.0f ms of CPU in %.1f s = %.3f %% of one core (target <= 0.1 %%; counted in %.0f ms steps)\n",
           cpu_ms, wall_ms / 1000, cpu_ms / wall_ms * 100, 1000 / hz }'
else
  echo "idle_cpu                   the program's process was not found (pid $program_pid)"
fi
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
program_pid=

"$QC_WINE64" "$build_dir/tick_probe.exe" "$minutes"
