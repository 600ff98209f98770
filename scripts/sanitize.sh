#!/usr/bin/env bash
# Builds the host unit tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (in build/host-asan) and runs them once: any report fails the run.
# Usage: scripts/sanitize.sh [gtest arguments...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/host-asan"
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

mkdir -p "$build"
if ! { [ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
         -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"; } >"$build/configure.log" 2>&1 ||
   ! cmake --build "$build" -j 2 --target host_tests >"$build/build.log" 2>&1; then
  cat "$build/configure.log" "$build/build.log" 2>/dev/null >&2
  echo "sanitized host tests did not build" >&2
  exit 1
fi

tests="$(find "$build" -name host_tests -type f -perm -u+x | head -n 1)"
[ -n "$tests" ] || { echo "host_tests not found under $build" >&2; exit 1; }
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
"$tests" --gtest_brief=1 "$@"
