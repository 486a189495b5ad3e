#!/usr/bin/env bash
# Checks the Windows build of build-windows/ under Wine, with no network:
# every known-answer design's report and sheet byte for byte against the
# Linux build's, one report's PDF text against the Linux one's, the statuses
# of a refused file and a full output, and the main window on Xvfb with the
# worked design typed in and calculated, pictured in docs/.
# Usage: scripts/windows-check.sh [linux-program]
set -euo pipefail
cd "$(dirname "$0")/.."
linux=${1:-build/app/krv1}
exe=$(compgen -G "build-windows/KRV1-*-windows-x64/krv1.exe" | head -1)
[[ -x $linux && -f $exe ]] || { echo "FAIL: needs $linux and a Windows build in build-windows/"; exit 1; }
missing=()
for package in wine wine64 xvfb xauth x11-utils xdotool openbox imagemagick poppler-utils; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed' ||
    missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  as_root=(); [[ $(id -u) -ne 0 ]] && as_root=(sudo)
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
source scripts/x-session.sh
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine wineboot --init >/dev/null 2>&1
# No Microsoft face: Debian's Thai faces, which the program falls back to.
cp /usr/share/fonts/truetype/tlwg/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver -w 2>/dev/null || true
# A program that waits on a dialog under Wine fails the check, in time.
win() { timeout 120 wine "$exe" "$@"; }

failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Every known answer, as the Linux build writes it.
python3 - "$work" <<'DESIGNS'
import json, sys
for design in json.load(open("tests/data/known-answers.json"))["designs"]:
    json.dump({"format": "krv1-design", "version": 1, "decimal": ".", "group": ",",
               "engineer": "สมชาย ใจดี", "inputs": design["inputs"]},
              open("%s/%s.krv1" % (sys.argv[1], design["name"]), "w"), ensure_ascii=False)
DESIGNS
count=0
for design in "$work"/*.krv1; do
  for mode in "--report" "--sheet --json"; do
    # shellcheck disable=SC2086
    "$linux" $mode "$design" --date 2026-12-09 > "$work/linux.out" 2>&1 || true
    # shellcheck disable=SC2086
    win $mode "$(winepath -w "$design")" --date 2026-12-09 > "$work/windows.out" 2>/dev/null || true
    cmp -s "$work/linux.out" "$work/windows.out" || fail "$mode $(basename "$design") differs"
  done
  count=$((count + 1))
done
echo "known answers: $count designs, --report and --sheet --json compared"

# The worked trials and record sets through --trial and --records, text and
# JSON.
python3 - "$work" <<'WORKED'
import json, sys
for trial in json.load(open("tests/data/worked-trials.json"))["trials"]:
    json.dump({"format": "krv1-design", "version": 2, "engineer": "", **trial["design"],
               "trial": trial["boxes"]},
              open("%s/trial-%s.json" % (sys.argv[1], trial["name"]), "w"), ensure_ascii=False)
for records in json.load(open("tests/data/worked-records.json"))["sets"]:
    json.dump({"format": "krv1-design", "version": 2, "decimal": ".", "group": ",", "engineer": "",
               **records["design"]},
              open("%s/records-%s.json" % (sys.argv[1], records["name"]), "w"), ensure_ascii=False)
WORKED
worked_count=0
for design in "$work"/trial-*.json "$work"/records-*.json; do
  case $(basename "$design") in trial-*) option=--trial ;; *) option=--records ;; esac
  for mode in "" "--json"; do
    # shellcheck disable=SC2086
    "$linux" $option "$design" $mode --date 2026-12-09 > "$work/linux.out" 2>&1 || true
    # shellcheck disable=SC2086
    win $option "$(winepath -w "$design")" $mode --date 2026-12-09 > "$work/windows.out" 2>&1 || true
    cmp -s "$work/linux.out" "$work/windows.out" || fail "$option $mode $(basename "$design") differs"
  done
  worked_count=$((worked_count + 1))
done
echo "worked trials and records: $worked_count designs, text and JSON compared"

# A project of the first three, as text, JSON and workbook: the same bytes
# but the workbook's, whose zip is stamped with the time it was written.
python3 - "$work" <<'PROJECT'
import json, sys
names = ["worked_design", "worked_design_with_admixture", "cylinder_280_slump7_5_stone3_4in_with_moisture2"]
elements = [{"name": name, "supply": "site" if i != 2 else "ready",
             "design": {**json.load(open("%s/%s.krv1" % (sys.argv[1], name))), "site": {"volume": "6.5", "waste": "5"}}}
            for i, name in enumerate(names)]
json.dump({"format": "krv1-project", "version": 1, "decimal": ".", "group": ",", "name": "บ้าน",
           "engineer": "สมชาย ใจดี", "settings": {"sand_truck_q": "5", "ready_truck_m3": "5"},
           "elements": elements}, open("%s/house.krv1proj" % sys.argv[1], "w"), ensure_ascii=False)
PROJECT
for mode in "" "--json"; do
  # shellcheck disable=SC2086
  "$linux" --project "$work/house.krv1proj" $mode --date 2026-12-09 > "$work/linux.out"
  # shellcheck disable=SC2086
  win --project "$(winepath -w "$work/house.krv1proj")" $mode --date 2026-12-09 > "$work/windows.out" ||
    true
  cmp -s "$work/linux.out" "$work/windows.out" || fail "--project $mode differs"
done
win --project "$(winepath -w "$work/house.krv1proj")" -o "$(winepath -w "$work")\\house.xlsx" ||
  fail "no workbook from Windows"
echo "a project: --project and --project --json compared, its workbook written"

# One report's PDF: the same text read back.
worked=$work/worked_design.krv1
"$linux" --report "$worked" --date 2026-12-09 -o "$work/linux.pdf"
# winepath names only what exists: the folder, then the file in it.
win --report "$(winepath -w "$worked")" --date 2026-12-09 -o "$(winepath -w "$work")\\windows.pdf" ||
  true
pdftotext -layout "$work/linux.pdf" "$work/linux.txt"
pdftotext -layout "$work/windows.pdf" "$work/windows.txt" || fail "no PDF from Windows"
cmp -s <(tr -s ' ' < "$work/linux.txt") <(tr -s ' ' < "$work/windows.txt") || fail "the PDF's text differs"

# The statuses: a refused file, and an output the disk cannot take.
echo '{"format": "krv1-design"' > "$work/refused.krv1"
status=0; win --report "$(winepath -w "$work/refused.krv1")" >/dev/null 2>&1 || status=$?
[[ $status -eq 2 ]] || fail "a refused file exits $status, not 2"
status=0; win --sheet "$(winepath -w "$worked")" > /dev/full 2>/dev/null || status=$?
[[ $status -eq 4 ]] || fail "a full output exits $status, not 4"

# The main window: the worked design typed in and calculated, each control
# reached where the layout puts it (twips / 15 from the client area's corner,
# below the menu bar).
win >/dev/null 2>&1 &
pids+=($!)
main=$(window_named 'KRV1')
sleep 3
# Where the window stands, as client_top measures from it.
X=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $4}')
Y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')
top=$(client_top "$main")
at() { xdotool mousemove --sync $((X + $1)) $((Y + top + $2)) click 1; sleep 0.3; }
at 292 322 && xdotool type --delay 80 "240"          # the strength
at 70 267                                              # cube
at 229 288                                             # without admixture
at 292 355 && xdotool key --delay 150 Return           # slump 7.5, the first entry
at 292 387 && xdotool key --delay 150 Down Return      # stone 3/4, the second
at 292 418 && xdotool type --delay 80 "5"              # the sand's moisture
at 84 500                                              # Calculate
sleep 2
mkdir -p docs
import -window root -crop 800x640+0+0 +repage docs/windows-main-window.png
echo "main window under Wine: docs/windows-main-window.png"
[[ $failed -eq 0 ]] && echo "windows check passed"
exit $failed
