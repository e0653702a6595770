#!/usr/bin/env bash
# Starts the program under a private X server, clicks "CALC AND PLOT" where it stands, and
# checks a screenshot of the finished run; then starts a long run and ends the program with
# Exit in the middle of it.
#   e2e-run.sh <pathsum binary> <screenshot checker> <work folder>
set -euo pipefail
program=$1
checker=$2
work=$3
rm -rf "$work"
mkdir -p "$work"

source "$(dirname "$0")/window-lib.sh"
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT
start_xvfb

# 1. A run with the default settings.
start_program
click_at -5 35  # CALC AND PLOT
passed=no
for _ in $(seq 40); do
    sleep 0.25
    import -window "$window" "$work/run.png"
    if "$checker" "$work/run.png" --quiet; then
        passed=yes
        break
    fi
done
"$checker" "$work/run.png" || true
[[ $passed == yes ]] || { echo "the screenshot of the run does not show a correct run"; exit 1; }

# 2. Exit in the middle of a long run (a grating at resolution 1E-05 and wavelength .001, far
# less than a path a wavelength, so every path is summed: with 10,001 points a screen, seconds
# of computing) ends the program at once, with status 0.
type_into -5 93 ".001"   # the wavelength box, through its input dialog
type_into -5 83 "1E-05"  # the resolution box, through its input dialog
click_at -5 73     # the detector step box takes typing
xdotool key ctrl+a
xdotool type --delay 20 ".01"
for _ in 1 2 3 4 5; do click_at -5 25; sleep 0.1; done  # Pattern: Mirror Number Grating
click_at -5 35    # CALC AND PLOT
# The run is under way once the grating's first bar is drawn; the last screen (y = 90) must
# still be empty then.
pixel() { convert "$work/running.png" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" \
              -crop "1x1+$(pixel_x "$1")+$(pixel_y "$2")" info:; }
started=no
for _ in $(seq 40); do
    sleep 0.25
    import -window "$window" "$work/running.png"
    if [[ $(pixel 5 100.25) == "255,255,255" ]]; then
        started=yes
        break
    fi
done
[[ $started == yes ]] || { echo "the grating was not drawn"; exit 1; }
[[ $(pixel 5 90) != "255,255,255" ]] || { echo "the long run had already finished"; exit 1; }
kill -0 "$program_pid" || { echo "the program ended before Exit"; exit 1; }
click_at -5 -13   # Exit
status=0
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "the program did not end within 5 seconds of Exit"
    exit 1
fi
wait "$program_pid" || status=$?
[[ $status -eq 0 ]] || { echo "the program ended with status $status"; cat "$work/program.log"; exit 1; }
echo "end-to-end checks passed"
