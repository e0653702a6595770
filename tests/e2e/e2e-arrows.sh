#!/usr/bin/env bash
# Opens "Arrows at a Point" from the View menu with real clicks after a run with the default
# settings, moves the pointer over a band and checks from a screenshot that the resultant's
# length in pixels is sqrt(p) of the point at the picture's scale.
#   e2e-arrows.sh <pathsum binary> <arrows checker> <work folder>
set -euo pipefail
program=$1
checker=$2
work=$3
rm -rf "$work"
mkdir -p "$work"

source "$(dirname "$0")/window-lib.sh"
trap stop_started EXIT
start_xvfb 1920x1080  # room for both windows side by side
start_program

click_at -5 35  # CALC AND PLOT
sleep 2

# View is the fourth entry of the menu bar (File, Edit, Run, View); Arrows at a Point is its first
# entry, whose middle lies about half an entry's height (12 pixels) below the menu's top edge
# however many entries follow it.
xdotool mousemove --window "$window" 133 $((client_top / 2)) click 1
menu=""
for _ in $(seq 50); do
    menu=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | grep -v -x "$window" | head -n 1 || true)
    [[ -n "$menu" ]] && break
    sleep 0.1
done
[[ -n "$menu" ]] || { echo "the View menu did not open"; exit 1; }
read -r mw < <(xdotool getwindowgeometry "$menu" | awk '/Geometry:/ { split($2, g, "x"); print g[1] }')
xdotool mousemove --window "$menu" $((mw / 2)) 12 click 1
arrows=$(timeout 10 xdotool search --sync --onlyvisible --name "^Arrows at a Point$" | head -n 1)
[[ -n "$arrows" ]] || { echo "the arrows window did not open"; exit 1; }
sleep 0.5

# Over the band of the screen y = 80, near its centre.
xdotool mousemove --window "$window" "$(pixel_x 49.9)" "$(pixel_y 80.6)"
sleep 0.2
xdotool mousemove --window "$window" "$(pixel_x 50)" "$(pixel_y 80.5)"
sleep 1
import -window "$arrows" "$work/arrows.png"
"$checker" "$work/arrows.png" 50 80.5
echo "arrows checks passed"
