#!/usr/bin/env bash
# Runs every benchmark of the project with short settings and prints one table:
# figure, value, baseline or target, and the ratio against it.
#
#   bench/summary.sh [full]
#
# Short settings (default), each script's own arguments:
#   run-windows-bench.sh 5 10 100   5 start-ups, 10 launches, 100 sends (defaults 15 30 1000)
#   run-tick-bench.sh 1 10          1 minute of ticks, 10 s idle        (defaults 10 and 60)
#   decoration.sh build/win64 50 100  50 repaints, 100 resizes          (defaults 200 1000)
#   about.sh build/win64 10 50      10 timed openings, 50 cycles        (defaults 30 200)
#   soak.sh short                   a tenth of the soak, 2 minutes of ticks (full: 60 minutes)
# "full" runs each with its own defaults (the tick bench alone then takes 11 minutes,
# the soak over an hour).
# Each script's whole output is kept in the log folder named at the end.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
win64="$root/build/win64"
logs=$(mktemp -d "${TMPDIR:-/tmp}/qc-bench-summary.XXXXXX")

if [ "${1:-}" = full ]; then
  windows_args=(); tick_args=(); decoration_args=("$win64"); about_args=("$win64"); soak_args=(full "$win64")
else
  windows_args=(5 10 100); tick_args=(1 10); decoration_args=("$win64" 50 100); about_args=("$win64" 10 50)
  soak_args=(short "$win64")
fi

run() {  # name script args...
  local name=$1; shift
  echo "running $name ..." >&2
  "$@" >"$logs/$name.log" 2>&1 || echo "$name exited with $?" >>"$logs/$name.log"
}
run windows "$root/bench/run-windows-bench.sh" "${windows_args[@]}"
run tick "$root/bench/run-tick-bench.sh" "${tick_args[@]}"
run decoration "$root/bench/decoration.sh" "${decoration_args[@]}"
run about "$root/bench/about.sh" "${about_args[@]}"
run soak "$root/bench/soak.sh" "${soak_args[@]}"

cat "$logs"/windows.log "$logs"/tick.log "$logs"/decoration.log "$logs"/about.log "$logs"/soak.log | awk '
  function row(figure, value, baseline, ratio) { printf "%-32s %-22s %-30s %s\n", figure, value, baseline, ratio }
  function num(s) { gsub(/[^0-9.+-]/, "", s); return s + 0 }
  BEGIN { row("figure", "value", "baseline / target", "ratio"); row("------", "-----", "-----------------", "-----") }
  /^product_size_bytes/ {
    kib = $2 / 1024; row("product_size (i686)", sprintf("%.1f KiB", kib), "target <= 512 KiB", sprintf("%.2f", kib / 512)) }
  /^(startup_to_input_idle_ms|working_set_kib|click_to_net_started_ms) / {
    for (i = 1; i <= NF; i++) if ($i == "ratio") r = $(i + 1)
    match($0, /target <= [0-9.]+/); t = substr($0, RSTART, RLENGTH)
    row($1, $3, "bare " $6 " (" t ")", r) }
  /^repeated_sends/ { row("repeated_sends", $2 " of " $4 " in " $7 " s", "all made", sprintf("%.2f", $2 / $4)) }
  /^idle_cpu program/ {
    match($0, /= [0-9.]+ %/); idle = num(substr($0, RSTART, RLENGTH))
    row("idle_cpu_percent", sprintf("%.3f %%", idle), "target <= 0.1 %", sprintf("%.2f", idle / 0.1)) }
  /^idle_cpu baseline/ {
    match($0, /= [0-9.]+ %/); bare = num(substr($0, RSTART, RLENGTH))
    row("idle_cpu_percent vs bare clock", sprintf("%.3f %%", idle), sprintf("bare %.3f %%", bare),
        bare > 0 ? sprintf("%.2f", idle / bare) : "-") }
  /^seconds_missed|^seconds_ticked_twice/ { row($1, $2, "target 0", "-") }
  /^tick_offset_ms/ { row("tick_offset_ms (median/p99)", $3 " / " $5, "-", "-") }
  /^ratio_p[0-9]+ repaint\/bitblt_paint/ { row($1 " repaint/bitblt", $3, "one BitBlt (target <= 2)", $3) }
  /^resizes_painted/ { row("resizes_painted", $2 " of " $4, "all", sprintf("%.2f", $2 / $4)) }
  /^live_gdi_before_after/ { row("live_gdi (resizes)", $2 " -> " $4, $2 " (flat)", $2 > 0 ? sprintf("%.2f", $4 / $2) : "-") }
  /^program_alive_after_resizes/ { row("alive_after_resizes", $2, "yes", "-") }
  /^about_click_to_box_shown_ms/ { row("about_click_to_box_shown_ms", "median " $3 " p90 " $5, "-", "-") }
  /^  change over/ {
    for (i = 1; i <= NF; i++) if ($i == "GDI") g = $(i + 1); else if ($i == "committed") c = $(i + 1)
    row("about_cycles_change", "GDI " g ", " c " KiB", "0 (flat)", "-") }
  # Soak phases: live kernel, GDI, USER and committed KiB, each "before -> after (change)".
  /^(sends|about|resizes|ticks) / && / -> / {
    line = $0; changes = ""
    for (k = 0; k < 4 && match(line, /-?[0-9]+ -> -?[0-9]+ \([+-]?[0-9]+\)/); k++) {
      part = substr(line, RSTART, RLENGTH); line = substr(line, RSTART + RLENGTH)
      split(part, f, " "); v[k] = f[1] "->" f[3]; d[k] = f[4]
    }
    grew = (d[0] != "(+0)" || d[1] != "(+0)" || d[2] != "(+0)")
    row("soak_" $1 " (" $2 ")", "k/G/U " v[0] " " v[1] " " v[2], "flat", grew ? "GREW" : "flat")
    row("soak_" $1 "_committed_kib", v[3] " " d[3], "-", "-") }
  / exited with / { row($1, "FAILED (" $NF ")", "-", "-") }
'
echo "logs: $logs"
