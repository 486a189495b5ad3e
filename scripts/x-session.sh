# Sourced by the real-window scripts: a real X display (Xvfb with a window
# manager) for this script alone, taken down at exit, and where a window's
# client area starts, and a window waited for by its title.
# Sets: work (a scratch folder), DISPLAY, pids (to kill at exit).
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

# The window's client area, where the twips count from, starts below its menu
# bar: at the first row of the main window's own colour down its left edge.
# Prints the offset in pixels below the window's top.
client_top() {  # window-id
  local x y top
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  import -window root "$work/first.png"
  top=$(convert "$work/first.png" -crop "1x80+$((x + 3))+$y" txt:- |
          awk -F'[,:]' '/srgb\(255,224,192\)/ {print $2; exit}')
  echo "${top:-0}"
}

window_named() {  # the visible window with exactly that title, waited for
  for _ in $(seq 100); do
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    if [[ -n $id ]]; then echo "$id"; return; fi
    sleep 0.1
  done
  echo "FAIL: no window \"$1\"" >&2
  exit 1
}
