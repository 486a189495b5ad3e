#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer (with assertions on),
# the fuzzers for a bounded time, the web page's module under Node and the
# page in headless Chromium, the Windows build under Wine when one of this
# commit is there, then the suite through CTest, whose summary ends the run.
# Usage: ./test.sh [--quick]
#   --quick  the engine, presentation and offscreen window tests alone, for
#            use while working; no sanitizers, fuzzing, web page, real window,
#            real print, package or format check.
set -euo pipefail
cd "$(dirname "$0")"
quick=false
case "${1:-}" in
  "") ;;
  --quick) quick=true ;;
  *) echo "Usage: ./test.sh [--quick]" >&2; exit 1 ;;
esac
scripts/setup.sh test
scripts/build.sh
if $quick; then
  exec ctest --preset default --parallel "$(nproc)" -E '^(RealWindow|RealPrint|Package|Style)\.'
fi
echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/sanitize.sh
echo "== fuzzing"
scripts/fuzz.sh 30
echo "== the web page"
scripts/web.sh
# Qt for Windows takes an hour to build: the Windows build is checked only
# when scripts/windows.sh has built this very commit.
echo "== the Windows build"
if [[ -f build-windows/commit && $(cat build-windows/commit) == $(git rev-parse HEAD 2>/dev/null) ]]; then
  scripts/windows-check.sh build/app/krv1
else
  echo "no Windows build of this commit in build-windows/ (scripts/windows.sh makes one): not checked"
fi
echo "== the suite"
ctest --preset default --parallel "$(nproc)"
