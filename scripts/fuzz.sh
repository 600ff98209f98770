#!/usr/bin/env bash
# Fuzzes the portable logic: builds the libFuzzer targets of fuzz/ with clang
# (in build/fuzz), replays each target's committed seed corpus, then runs each
# target for the given time from a scratch copy of that corpus, so the committed
# corpus never grows. One line per target, then "N passed, M failed".
# A crashing input is kept in build/fuzz/artifacts/, every log in build/fuzz/logs/.
# Usage: scripts/fuzz.sh [seconds-per-target]   (default 60)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds-per-target]" >&2
  exit 2
fi
command -v clang++ >/dev/null || { echo "clang++ is missing: run scripts/install-deps.sh" >&2; exit 2; }

build="$root/build/fuzz"
logs="$build/logs"
artifacts="$build/artifacts"
targets=(send_command time_text tick_decision time_mask error_text property_values)

mkdir -p "$build"
if ! { [ -f "$build/build.ninja" ] || cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++; } \
     >"$build/configure.log" 2>&1 || ! cmake --build "$build" -j 2 >"$build/build.log" 2>&1; then
  cat "$build/configure.log" "$build/build.log" 2>/dev/null >&2
  echo "fuzz targets did not build" >&2
  exit 1
fi
mkdir -p "$logs" "$artifacts"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# A figure from libFuzzer's final statistics: stat::<name>: <value>
final_stat() { awk -v key="stat::$2:" '$1 == key { print $2 }' "$1"; }
# The coverage summary from the status line libFuzzer prints when done.
done_status() {
  grep -E '^#[0-9]+[[:space:]]+DONE' "$1" | tail -n 1 |
    sed -E 's/^#[0-9]+[[:space:]]+DONE[[:space:]]+//; s/[[:space:]]+lim: .*exec\/s: [0-9]+//'
}

passed=0
failed=0
for target in "${targets[@]}"; do
  exe="$build/${target}_fuzz"
  seeds=("$root/fuzz/corpus/$target"/*)
  replay_log="$logs/$target.replay.log"
  run_log="$logs/$target.log"

  # Each committed input once: a regression there fails without any luck needed.
  if ! "$exe" "${seeds[@]}" >"$replay_log" 2>&1; then
    culprit="$(grep '^Running: ' "$replay_log" | tail -n 1 | cut -d' ' -f2-)"
    echo "$target: FAILED replaying the committed corpus on $culprit (log: $replay_log)"
    failed=$((failed + 1))
    continue
  fi

  cp -r "$root/fuzz/corpus/$target" "$scratch/$target"
  start=$SECONDS
  if "$exe" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$artifacts/$target-" "$scratch/$target" >"$run_log" 2>&1; then
    runs="$(final_stat "$run_log" number_of_executed_units)"
    rate="$(final_stat "$run_log" average_exec_per_sec)"
    echo "$target: passed, ${#seeds[@]} seeds replayed, $runs runs in $((SECONDS - start)) s ($rate/s), $(done_status "$run_log")"
    passed=$((passed + 1))
  else
    reproducer="$(grep -o 'Test unit written to .*' "$run_log" | tail -n 1 | cut -d' ' -f5-)"
    echo "$target: FAILED after $((SECONDS - start)) s, reproducer ${reproducer:-none written} (log: $run_log)"
    failed=$((failed + 1))
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
