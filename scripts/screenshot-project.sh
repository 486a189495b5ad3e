#!/usr/bin/env bash
# Starts the real program in a real X window (Xvfb with a window manager) with
# the worked house of three elements, opened from its .krv1proj, and takes a
# picture of the project window: its settings, its elements, the comparison
# and the orders.
# Usage: scripts/screenshot-project.sh [program] [picture.png]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/krv1}
output=${2:-docs/project-window.png}
source scripts/x-session.sh

python3 - "$work/house.krv1proj" <<'PROJECT'
import json, sys
def element(name, supply, inputs, volume):
    design = {"format": "krv1-design", "version": 1, "decimal": ".", "group": ",",
              "engineer": "สมชาย ใจดี", "inputs": inputs, "site": {"volume": volume, "waste": "5"}}
    return {"name": name, "supply": supply, "design": design}
footings = {"strength": "240", "shape": "cube", "admixture": "without", "dosage": "",
            "slump": "7.5", "stone": "3/4", "moisture": "5"}
columns = {"strength": "280", "shape": "cylinder", "admixture": "with", "dosage": "300",
           "slump": "7.5", "stone": "3/4", "moisture": "2"}
slab = {"strength": "210", "shape": "cube", "admixture": "with", "dosage": "250",
        "slump": "10.0", "stone": "1", "moisture": "0"}
json.dump({"format": "krv1-project", "version": 1, "decimal": ".", "group": ",",
           "name": "บ้านคุณสมศรี ซอย 5", "engineer": "สมชาย ใจดี",
           "settings": {"sand_truck_q": "5", "ready_truck_m3": "5"},
           "elements": [element("ฐานราก F1-F8", "site", footings, "6.5"),
                        element("เสา C1-C12", "ready", columns, "4.2"),
                        element("พื้น S1", "site", slab, "9.0")]},
          open(sys.argv[1], "w"), ensure_ascii=False)
PROJECT

env -u QT_QPA_PLATFORM "$program" "$work/house.krv1proj" >/dev/null 2>&1 &
pids+=($!)
window=$(window_named 'โครงการ')
sleep 1
mkdir -p "$(dirname "$output")"
# The window is shown maximized; its controls take the top left 800 x 580.
import -window "$window" -crop 800x580+0+0 +repage "$output"
echo "project window: $output"
