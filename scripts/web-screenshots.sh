#!/usr/bin/env bash
# Remakes docs/web-phone.png (360 x 740) and docs/web-desktop.png (1280 x 800)
# from the built page.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -f build-web/site/krv1.js ]] || scripts/web.sh
node web/tests/screenshots.mjs docs
