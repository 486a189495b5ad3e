#!/usr/bin/env bash
# Starts the real program in a real X window (Xvfb with a window manager),
# enters the first worked design (240 ksc cube, first slump, 3/4 inch stone,
# no admixture, 5 % moisture) the way an engineer would, presses Calculate,
# takes a screenshot and checks that the window is maximized and both result
# panels are drawn with their figures.
# Usage: scripts/screenshot-main-window.sh [program] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/krv1}
output=${2:-docs/main-window.png}
source scripts/x-session.sh
env -u QT_QPA_PLATFORM "$program" >/dev/null 2>&1 &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name '^KRV1$' | head -1)
sleep 1
top=$(client_top "$window")

# Twips to pixels at 96 dpi; controls in the requirements frame are offset by its corner.
at() { echo $(( ($1) / 15 )) $(( ($2) / 15 )); }
click() {
  local xy
  read -r -a xy <<<"$(at "$1" "$2")"
  xdotool mousemove --window "$window" "${xy[0]}" $((xy[1] + top)) click 1
  sleep 0.2
}
frame1_x=600 frame1_y=1440
click $((frame1_x + 2640 + 600)) $((frame1_y + 3240 + 150))   # the strength box
xdotool type --delay 50 "240"
xdotool key Tab Down Tab Down Down                              # slump and stone lists
click $((frame1_x + 240 + 120 + 150)) $((frame1_y + 2400 + 160))  # cube
click $((frame1_x + 2640 + 150)) $((frame1_y + 2760 + 120))     # no admixture
click $((frame1_x + 2640 + 600)) $((frame1_y + 4680 + 150))     # the moisture box
xdotool type --delay 50 "5"
click $((840 + 400)) $((7320 + 180))                            # Calculate
sleep 1
mkdir -p "$(dirname "$output")"
import -window root "$output"

failed=0
state=$(xprop -id "$window" _NET_WM_STATE)
if [[ $state != *_NET_WM_STATE_MAXIMIZED_VERT* || $state != *_NET_WM_STATE_MAXIMIZED_HORZ* ]]; then
  echo "FAIL: the main window is not maximized: $state"; failed=1
fi
X=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
Y=$(( $(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}') + top ))
colour_at() {  # colour of the screenshot at client pixel x y
  convert "$output" -format "%[pixel:p{$((X + $1)),$((Y + $2))}]" info:
}
dark_pixels_in() {  # dark pixels in a client rectangle x y w h: drawn text
  convert "$output" -crop "$3x$4+$((X + $1))+$((Y + $2))" -threshold 50% -negate \
    -format '%[fx:round(mean*w*h)]' info:
}
# The two result panels lie in the results frame at (6240,1560); a point inside each.
expect_colour() {
  local got
  got=$(colour_at "$1" "$2")
  if [[ $got != "$3" ]]; then echo "FAIL: $4 shows $got, not $3"; failed=1; fi
}
expect_colour $(( (6240 + 240 + 120) / 15 )) $(( (1560 + 600 + 2200) / 15 )) "srgb(255,192,192)" "the first result panel"
expect_colour $(( (6240 + 240 + 120) / 15 )) $(( (1560 + 3480 + 2200) / 15 )) "srgb(255,192,128)" "the second result panel"
for row in 480 840 1200 1560; do
  for panel in 600 3480; do
    ink=$(dark_pixels_in $(( (6240 + 240 + 1200) / 15 )) $(( (1560 + panel + row) / 15 )) 100 17)
    if (( ink < 10 )); then echo "FAIL: result row $row of panel $panel is empty"; failed=1; fi
  done
done
if (( failed )); then exit 1; fi
echo "main window maximized, both result panels drawn: $output"
