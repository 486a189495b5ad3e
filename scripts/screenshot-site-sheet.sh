#!/usr/bin/env bash
# Starts the real program in a real X window (Xvfb with a window manager) with
# a design that carries site settings, opens the details and from there the
# site batch sheet the way an engineer would, and takes their pictures; then
# writes the sheet's printed page from the command line and pictures it.
# Usage: scripts/screenshot-site-sheet.sh [program] [sheet.png] [page.png] [details.png]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/krv1}
output=${2:-docs/site-sheet.png}
page=${3:-docs/site-sheet-page.png}
details_png=${4:-docs/details-window.png}
source scripts/x-session.sh

cat >"$work/slab.krv1" <<'DESIGN'
{"format": "krv1-design", "version": 1, "decimal": ".", "group": ",", "engineer": "สมชาย ใจดี",
 "inputs": {"strength": "240", "shape": "cube", "admixture": "with", "dosage": "250",
            "slump": "7.5", "stone": "3/4", "moisture": "5"},
 "site": {"volume": "12", "waste": "5", "bucket": "18", "price_cement": "145",
          "price_sand": "450", "price_stone": "520", "price_admixture": "65"}}
DESIGN

env -u QT_QPA_PLATFORM "$program" "$work/slab.krv1" >/dev/null 2>&1 &
pids+=($!)
main=$(window_named 'KRV1 - slab.krv1')
sleep 1
top=$(client_top "$main")
xdotool mousemove --window "$main" $(((1920 + 1087) / 15)) $(((7320 + 187) / 15 + ${top:-0})) \
  click 1                                                      # the details command
details=$(window_named 'รายละเอียดการคำนวณ')
sleep 1
import -window "$details" "$details_png"
xdotool mousemove --window "$details" $(((840 + 907) / 15)) $(((5760 + 187) / 15)) click 1
sheet=$(window_named 'ตารางผสมคอนกรีตหน้างาน')
sleep 1
mkdir -p "$(dirname "$output")"
import -window "$sheet" "$output"
env -u DISPLAY "$program" --sheet "$work/slab.krv1" -o "$work/sheet.pdf"
pdftoppm -png -r 60 -singlefile "$work/sheet.pdf" "${page%.png}"
echo "site batch sheet: $output, its page: $page, the details: $details_png"
