#!/usr/bin/env bash
# Builds everything: the host build (portable logic, unit tests, host benchmarks),
# the i686 product and the x86_64 build that the end-to-end tests run.
# Usage: scripts/build.sh [BUILD_ROOT]   (default: build/ in the repository)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build}"
jobs="$(nproc)"

configure() {  # dir [cmake args...]
  local dir="$1"; shift
  [ -f "$dir/build.ninja" ] || cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

configure "$out/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake"
configure "$out/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake"
configure "$out/host" -DQC_WIN32_BUILD_DIR="$out/win32" -DQC_WIN64_BUILD_DIR="$out/win64"

for dir in win32 win64 host; do
  cmake --build "$out/$dir" -j "$jobs"
done
