#!/usr/bin/env bash
# Where the program's clock ticks fall on the seconds of the local clock, over real
# time under wine64 on a private display: seconds missed, seconds ticked twice (targets
# 0 and 0), the offset of the ticks after the turn of the second, and the CPU time of
# the idle program (target <= 0.1 % of one core). Prints figures; never fails on them.
#
#   bench/run-tick-bench.sh [minutes] [idle-seconds]     (defaults 10 and 60)
#
# Builds quillcast.exe, tick_probe.exe and bare_clock.exe in the x86_64 tree QC_BENCH_BUILD_DIR
# (default build/win64-tickbench), whose Wine prefix the session uses.
#
# The idle CPU time is the kernel's count for the program's own Linux process
# (/proc/PID/stat): Wine's GetProcessTimes gives 0 for another process. The work
# wineserver does on the program's behalf is not in it. bare_clock.exe, a window with
# one edit field that a plain 1000 ms timer writes the time into, shows what the same
# job costs a bare Win32 program under the same Wine.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
minutes=${1:-10}
idle_seconds=${2:-60}
build_dir=${QC_BENCH_BUILD_DIR:-$root/build/win64-tickbench}

[ -f "$build_dir/build.ninja" ] ||
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null || exit 1
if ! build_log=$(cmake --build "$build_dir" -j 2 --target quillcast tick_probe bare_clock 2>&1); then
  printf '%s\n' "$build_log" >&2
  exit 1
fi
build_dir=$(cd "$build_dir" && pwd)

# shellcheck source=../scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
program_pid= baseline_pid=
finish() {
  for pid in $program_pid $baseline_pid; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  wine_session_stop
}
trap finish EXIT
wine_session_start "$build_dir" || exit 1

# utime + stime of a process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

echo "tick bench: ${minutes} min of ticks, ${idle_seconds} s idle, $(date -u '+%Y-%m-%d %H:%M:%S') UTC, $(nproc) cores"

# The idle program and the bare clock window side by side, each left to tick for a
# few seconds past start-up, then measured over the same idle_seconds with nothing
# else asking anything of them.
"$QC_WINE64" "$build_dir/quillcast.exe" &
program_pid=$!
"$QC_WINE64" "$build_dir/bare_clock.exe" &
baseline_pid=$!
sleep 5
hz=$(getconf CLK_TCK)
declare -A before
for pid in "$program_pid" "$baseline_pid"; do
  before[$pid]=$(cpu_ticks "$pid" 2>/dev/null || echo -)
done
start_ns=$(date +%s%N)
sleep "$idle_seconds"
end_ns=$(date +%s%N)
for which in program baseline; do
  if [ "$which" = program ]; then pid=$program_pid exe=quillcast.exe; else pid=$baseline_pid exe=bare_clock.exe; fi
  if [ "${before[$pid]}" = - ] || ! grep -qa "$exe" "/proc/$pid/cmdline" 2>/dev/null; then
    echo "idle_cpu $which: the process of $exe was not found (pid $pid)"
    continue
  fi
  after=$(cpu_ticks "$pid")
  awk -v what="$which ($exe)" -v t="$((after - before[$pid]))" -v hz="$hz" -v ns="$((end_ns - start_ns))" 'BEGIN {
    cpu_ms = t * 1000 / hz; wall_ms = ns / 1e6
    printf "idle_cpu %-26s %4.0f ms of CPU in %.1f s = %.3f %% of one core\n", what, cpu_ms, wall_ms / 1000, cpu_ms / wall_ms * 100 }'
done
echo "  (target for the program <= 0.1 %; counted in $((1000 / hz)) ms steps)"
kill "$program_pid" "$baseline_pid" 2>/dev/null
wait "$program_pid" "$baseline_pid" 2>/dev/null
program_pid= baseline_pid=

"$QC_WINE64" "$build_dir/tick_probe.exe" "$minutes"
