#!/usr/bin/env bash
# Builds the library and runs the whole test suite.
#   scripts/run-tests.sh              the normal build (build/)
#   scripts/run-tests.sh --sanitize   the AddressSanitizer + UBSan build (build-asan/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" = "--sanitize" ]; then
  build=$root/build-asan
  "$root/scripts/build.sh" "$build" -DVOK_SANITIZE=ON -DVOK_BUILD_BENCH=OFF -DVOK_BUILD_GALLERY=OFF
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  build=$root/build
  "$root/scripts/build.sh" "$build"
fi

cd "$build"
ctest --output-on-failure --parallel "$(nproc)"
