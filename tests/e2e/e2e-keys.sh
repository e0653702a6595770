#!/usr/bin/env bash
# The keyboard on a real X server, whose keys and focus differ from those of the widget tests'
# offscreen platform (on X, Ctrl+E is also a line edit's "end of line", and a window shown is
# not given the keyboard by itself): with the Wave-Length box holding the focus, as at start-up,
# Ctrl+E opens Export Picture; F7 opens the field window with the keyboard's focus in it, so that
# the field's keys (+, Home) reach it and not the box; Ctrl+W closes it.
#   e2e-keys.sh <pathsum binary> <work folder>
set -euo pipefail
program=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

source "$(dirname "$0")/window-lib.sh"
trap stop_started EXIT
start_xvfb 1920x1080
start_program

# A window of the program's own (not the main one), by its exact title; empty if none shows.
shown() {  # title
    xdotool search --all --onlyvisible --pid "$program_pid" --name "^$1\$" 2>/dev/null | head -n 1 || true
}
wait_shown() {  # title
    local found=""
    for _ in $(seq 50); do
        found=$(shown "$1")
        [[ -n "$found" ]] && break
        sleep 0.1
    done
    echo "$found"
}

# A click on a screen label, which does nothing, gives the window the keyboard; the focus stays
# in the Wave-Length box.
click_at 105 59
sleep 0.3

xdotool key ctrl+e
dialog=$(wait_shown "Export Picture")
[[ -n "$dialog" ]] || { echo "Ctrl+E in the Wave-Length box did not open Export Picture"; exit 1; }
xdotool key Escape
sleep 0.5
[[ -z "$(shown "Export Picture")" ]] || { echo "Esc did not close Export Picture"; exit 1; }
# With no window manager to give it back, the keyboard comes back to the window with a click.
click_at 105 59
sleep 0.3

xdotool key F7
field=$(wait_shown "Field of Light")
[[ -n "$field" ]] || { echo "F7 did not open the field window"; exit 1; }
focused=""
for _ in $(seq 30); do
    focused=$(xdotool getwindowfocus 2>/dev/null || true)
    [[ "$focused" == "$field" ]] && break
    sleep 0.1
done
[[ "$focused" == "$field" ]] || { echo "the field window opened without the keyboard's focus"; exit 1; }

xdotool key ctrl+w
sleep 0.5
[[ -z "$(shown "Field of Light")" ]] || { echo "Ctrl+W did not close the field window"; exit 1; }
echo "keyboard checks passed"
