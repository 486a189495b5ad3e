#!/usr/bin/env bash
# Configures and builds one of the build kinds of CMakePresets.json:
# default (build/: program, tests, benchmarks), app (build-app/: the program
# alone), sanitize (build-asan/) or fuzz (build-fuzz/).
# Usage: scripts/build.sh [preset]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
# The page's workbook writer comes from the committed lockfile.
if [[ $preset == web && ! -d web/node_modules/write-excel-file ]]; then
  (cd web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --parallel "$(nproc)"
