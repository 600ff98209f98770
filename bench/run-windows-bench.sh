#!/usr/bin/env bash
# Start-up, launch latency, working set and repeated-send figures of the program
# against bare Win32 baselines, under wine64 on a private display, plus the size
# of the 32-bit product. Usage: bench/run-windows-bench.sh [startup-runs launch-runs sends]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" "$root/build" >/dev/null
size=$(stat -c %s "$root/build/win32/quillcast.exe")
printf 'product_size_bytes         %d (%.1f KiB; target for the finished program <= 512 KiB)\n' "$size" "$(echo "$size/1024" | bc -l)"
"$root/scripts/wine-session.sh" "$root/build/win64" \
  /usr/lib/wine/wine64 "$root/build/win64/bench_driver.exe" "${1:-15}" "${2:-30}" "${3:-1000}"
