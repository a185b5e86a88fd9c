#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer in its
# own build folder and runs it. Any sanitizer report fails the run, leaks included; the
# window tests run on Qt's offscreen platform.
#   SANITIZE_GUI=OFF  leave out the windowed parts (default ON)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-sanitize
gui="${SANITIZE_GUI:-ON}"
jobs="${SANITIZE_JOBS:-2}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMPFORGE_SANITIZE=ON \
  -DLUMPFORGE_GUI="$gui" -DLUMPFORGE_TESTS=ON -DLUMPFORGE_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$jobs"

here="$(pwd)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$here/scripts/ci-sanitize-lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
ctest --test-dir "$build" --output-on-failure -j"$jobs"
