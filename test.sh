#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers for a
# bounded time, the web page's module under Node and the page in headless
# Chromium, then the suite through CTest, whose summary ends the run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh test
scripts/build.sh
echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/sanitize.sh
echo "== fuzzing"
scripts/fuzz.sh 30
echo "== the web page"
scripts/web.sh
echo "== the suite"
ctest --preset default --parallel "$(nproc)"
