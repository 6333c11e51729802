#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and runs the whole test suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, the tests of the modules
# that run worker threads under ThreadSanitizer, then a short fuzzing smoke
# run. Warnings are errors here (not in the user's builds).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --asan --werror
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QUORVEX_REQUIRE_BROWSER=1
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
scripts/setup.sh --tsan --werror
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/scripts/tsan.supp" \
  ctest --test-dir build-tsan --output-on-failure -j"$(nproc)"
scripts/fuzz.sh "${QUORVEX_FUZZ_SECONDS:-20}"
