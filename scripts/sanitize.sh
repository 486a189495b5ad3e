#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs the suite there. The
# real-window, real-print and package checks run in the normal build only.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ! -f build-asan/CMakeCache.txt ]]; then
  cmake -S . -B build-asan -G Ninja -DKRV1_SANITIZE=ON -DKRV1_BUILD_BENCHMARKS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build-asan --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" \
  -E '^(RealWindow|RealPrint|Package)\.'
