#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs the suite there. The
# real-window, real-print, package and style checks run in the normal build
# only. Prints CTest's whole summary, or everything it wrote when a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh sanitize
log=build-asan/sanitize-ctest.log
if ctest --preset sanitize --parallel "$(nproc)" >"$log" 2>&1; then
  sed -n '/tests passed/,$p' "$log"
else
  cat "$log"
  exit 1
fi
