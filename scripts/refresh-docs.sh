#!/usr/bin/env bash
# Refreshes the pictures in docs/: the main window after the first worked
# design, the printed report page of that design, the web page at a phone's
# and a desktop's width, and the details and site sheet of a design with
# admixture, the strength records window and page of the worked record set, and
# the materials window with the site's worked materials, and the project window
# with the worked house.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
scripts/screenshot-main-window.sh build/app/krv1 docs/main-window.png
scripts/real-print-check.sh build docs/report-page.png
scripts/web-screenshots.sh
scripts/screenshot-site-sheet.sh build/app/krv1 docs/site-sheet.png docs/site-sheet-page.png
scripts/screenshot-records.sh build/app/krv1 docs/records-window.png docs/records-page.png
scripts/screenshot-materials.sh build/app/krv1 docs/materials-window.png
scripts/screenshot-project.sh build/app/krv1 docs/project-window.png
