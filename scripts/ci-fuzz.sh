#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UndefinedBehaviorSanitizer)
# in their own build folder and runs each for a bounded time, starting from the seeds in
# fuzz/corpus/<target>. A crash stops the run with the failing input saved under
# build-fuzz/artifacts/; turn it into a regression test and fix it.
#   FUZZ_SECONDS  time per target (default 60)
#   FUZZ_TARGETS  which targets (default: bitmap metrics wad compile)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
targets="${FUZZ_TARGETS:-bitmap metrics wad compile}"
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMPFORGE_FUZZ=ON -DLUMPFORGE_GUI=OFF -DLUMPFORGE_TESTS=OFF -DLUMPFORGE_BENCHMARKS=OFF >/dev/null
for t in $targets; do
  cmake --build "$build" -j2 --target "fuzz_$t" >/dev/null
done

mkdir -p "$build/artifacts"
status=0
summary=""
for t in $targets; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
  log="$build/fuzz_$t.log"
  echo "ci-fuzz: fuzz_$t for ${seconds}s"
  if ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$t-" "$corpus" >"$log" 2>&1; then
    result="no crash"
  else
    result="FAILED (see $log and $build/artifacts/)"
    status=1
    tail -40 "$log" >&2
  fi
  runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' | tail -1 || true)
  units=$(ls "$corpus" | wc -l)
  summary+="fuzz_$t: ${runs:-?} executions, corpus of $units inputs, $result"$'\n'
done
printf '%s' "$summary"
exit "$status"
