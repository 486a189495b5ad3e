#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# bounded time from the seed corpus in tests/fuzz/corpus (a minute and a half in
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
for target in calculation conversion design; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "fuzzing $target for ${seconds}s"
  build-fuzz/tests/fuzz/${target}_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/findings/ "$@" "$corpus" "tests/fuzz/corpus/$target" \
    2>&1 | grep -E '^(Done|stat::number_of_executed_units|==.*ERROR|SUMMARY)' || true
  if compgen -G "build-fuzz/findings/*" >/dev/null; then
    echo "FAIL: $target fuzzer found an input that fails: $(ls build-fuzz/findings)"; exit 1
  fi
done
