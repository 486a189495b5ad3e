#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers for a
# bounded time, then the suite through CTest, whose summary ends the run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh test
scripts/build.sh
echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/sanitize.sh | tail -n 3
echo "== fuzzing"
scripts/fuzz.sh 30
echo "== the suite"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
