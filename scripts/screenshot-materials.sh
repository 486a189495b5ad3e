#!/usr/bin/env bash
# Starts the real program in a real X window (Xvfb with a window manager) with
# the first worked design and the site's worked materials, opens "เครื่องมือ" >
# "คุณสมบัติวัสดุ..." with its key, the way an engineer would, and takes a
# picture of the screen: the materials window over the main window, whose
# panels and notice show the materials' figures.
# Usage: scripts/screenshot-materials.sh [program] [picture.png]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/krv1}
output=${2:-docs/materials-window.png}
source scripts/x-session.sh

cat > "$work/site.krv1" <<'DESIGN'
{"format": "krv1-design", "version": 3, "decimal": ".", "group": ",",
 "engineer": "สมชาย ใจดี", "project": "บ้านคุณสมศรี ซอย 5",
 "inputs": {"strength": "240", "shape": "cube", "admixture": "without", "dosage": "",
            "slump": "7.5", "stone": "3/4", "moisture": "5"},
 "materials": {"cement": "hydraulic", "cement_sg": "3.05", "sand_sg": "2.62",
               "sand_absorption": "1.2", "stone_sg": "2.68", "stone_absorption": "0.6",
               "stone_moisture": "2.0"}}
DESIGN

env -u QT_QPA_PLATFORM "$program" "$work/site.krv1" >/dev/null 2>&1 &
pids+=($!)
window_named 'KRV1 - site.krv1' >/dev/null
sleep 1
xdotool key ctrl+4
window_named 'คุณสมบัติวัสดุ' >/dev/null
sleep 1
mkdir -p "$(dirname "$output")"
import -window root -crop 800x640+0+0 +repage "$output"
echo "materials window: $output"
