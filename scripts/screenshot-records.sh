#!/usr/bin/env bash
# Starts the real program in a real X window (Xvfb with a window manager) with
# the worked record set of fifteen cube tests, opens "เครื่องมือ" >
# "ผลทดสอบกำลังอัด..." the way an engineer would and takes its picture; then
# writes the records' printed page from the command line and pictures it.
# Usage: scripts/screenshot-records.sh [program] [window.png] [page.png]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/krv1}
output=${2:-docs/records-window.png}
page=${3:-docs/records-page.png}
source scripts/x-session.sh

python3 - "$work/site.krv1" <<'DESIGN'
import json, sys
worked = json.load(open("tests/data/worked-records.json"))["sets"][1]["design"]
json.dump({"format": "krv1-design", "version": 2, "decimal": ".", "group": ",",
           "engineer": "สมชาย ใจดี", **worked}, open(sys.argv[1], "w"), ensure_ascii=False)
DESIGN

env -u QT_QPA_PLATFORM "$program" "$work/site.krv1" >/dev/null 2>&1 &
pids+=($!)
main=$(window_named 'KRV1 - site.krv1')
sleep 1
# "เครื่องมือ" is the menu bar's third menu; its third item is the records.
xdotool mousemove --window "$main" 110 12 click 1
sleep 0.5
xdotool key Down Down Down Return
records=$(window_named 'ผลทดสอบกำลังอัดของหน่วยงาน')
sleep 1
mkdir -p "$(dirname "$output")"
# The window is shown maximized; its controls take the top left 800 x 560.
import -window "$records" -crop 800x560+0+0 +repage "$output"
env -u DISPLAY "$program" --records "$work/site.krv1" -o "$work/records.pdf"
pdftoppm -png -r 60 -singlefile "$work/records.pdf" "${page%.png}"
echo "records window: $output, its page: $page"
