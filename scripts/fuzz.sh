#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# bounded time from the seed corpus in tests/fuzz/corpus (two minutes in
# all by default). Findings of this run, and only of this run, are written to
# build-fuzz/findings/.
# Usage: scripts/fuzz.sh [seconds-per-target] [extra libFuzzer flags...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
scripts/build.sh fuzz
rm -rf build-fuzz/findings
mkdir -p build-fuzz/findings
for target in calculation conversion design project; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "fuzzing $target for ${seconds}s"
  log=build-fuzz/$target.log
  status=0
  build-fuzz/tests/fuzz/${target}_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/findings/ "$@" "$corpus" "tests/fuzz/corpus/$target" \
    >"$log" 2>&1 || status=$?
  if compgen -G "build-fuzz/findings/*" >/dev/null; then
    tail -40 "$log"
    echo "FAIL: $target fuzzer found an input that fails: $(ls build-fuzz/findings)"; exit 1
  fi
  # A run that ends well says how many inputs it tried; anything else (a
  # fuzzer that did not start, or stopped) fails the check.
  if [[ $status -ne 0 ]] || ! grep -E '^(Done|stat::number_of_executed_units)' "$log"; then
    tail -40 "$log"
    echo "FAIL: the $target fuzzer did not run to its end (status $status)"; exit 1
  fi
done
