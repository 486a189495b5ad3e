#!/usr/bin/env bash
# Builds the WebAssembly module and the page into build-web/site/ and tests
# them: the desktop suite's known answers under Node, then the page in
# headless Chromium (puppeteer-core from the committed lockfile).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh web
(cd web && npm ci --no-audit --no-fund --loglevel=error)
node --test web/tests/
du -b build-web/site/krv1.js | awk '{printf "module: %d bytes (WebAssembly embedded)\n", $1}'
du -sb build-web/site | awk '{printf "site: %d bytes in all, fonts included\n", $1}'
