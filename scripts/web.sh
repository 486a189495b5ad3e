#!/usr/bin/env bash
# Builds the WebAssembly module and the page into build-web/site/ and tests
# them: the desktop suite's known answers under Node, then the page in
# headless Chromium (puppeteer-core and Lighthouse from the committed
# lockfile, which fetch no browser of their own), Lighthouse last and alone
# so that nothing else loads the machine while it measures.
set -euo pipefail
cd "$(dirname "$0")/.."
(cd web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
scripts/build.sh web
node --test web/tests/
node --test web/tests/lighthouse.mjs
site=build-web/site
du -b "$site/krv1.wasm" "$site/krv1.js" | awk '{printf "%s: %d bytes\n", $2, $1}'
du -sb "$site" | awk '{printf "site: %d bytes in all, fonts included\n", $1}'
# As a static host serves it: text gzip-compressed, faces and icons as they are.
texts=$(find "$site" -type f ! -name '*.png' ! -name '*.woff2' -exec gzip -9c {} \; | wc -c)
binaries=$(find "$site" -type f \( -name '*.png' -o -name '*.woff2' \) -exec cat {} + | wc -c)
echo "site as served: $((texts + binaries)) bytes"
