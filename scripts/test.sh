#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit tests
# of the portable logic, the checks of the built executables, and the end-to-end
# tests that drive the real program under wine64 on a private virtual display.
# Extra arguments go to ctest (e.g. -R e2e).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
# The portable logic once more under AddressSanitizer and UndefinedBehaviorSanitizer,
# then a minute of coverage-guided fuzzing per target.
"$root/scripts/sanitize.sh"
"$root/scripts/fuzz.sh" 60
cd "$root/build/host"
ctest --output-on-failure "$@"
