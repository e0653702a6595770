#!/usr/bin/env bash
# The window on screens of three sizes: on 1280 x 1024 its client area is exactly 794 x 771
# pixels; on 1366 x 768 and 1280 x 720 the whole window lies inside the screen, scaled down,
# and real clicks still reach "CALC AND PLOT" and place the source where they land.
#   e2e-screens.sh <pathsum binary> <work folder>
set -euo pipefail
program=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

source "$(dirname "$0")/window-lib.sh"
trap stop_started EXIT

# The colour of the client-area pixel at a frame point, as "r,g,b".
pixel() {  # file, frame x, frame y
    convert "$1" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" \
        -crop "1x1+$(pixel_x "$2")+$(($(pixel_y "$3") - client_top))" info:
}

failures=0
fail() {
    echo "FAIL ($screen): $*"
    failures=$((failures + 1))
}

for screen in 1280x1024 1366x768 1280x720; do
    start_xvfb "$screen"
    start_program
    read -r x y < <(xdotool getwindowgeometry "$window" |
        awk '/Position:/ { split($2, p, ","); print p[1], p[2] }')
    read -r width height < <(xdotool getwindowgeometry "$window" |
        awk '/Geometry:/ { split($2, g, "x"); print g[1], g[2] }')
    echo "$screen: window at $x,$y, $width x $height, client scale $client_scale"
    if [[ $screen == 1280x1024 ]]; then
        [[ $client_size == 794x771 ]] || fail "the client area is $client_size, not 794x771"
    else
        ((x >= 0 && y >= 0 && x + width <= ${screen%x*} && y + height <= ${screen#*x})) ||
            fail "the window does not lie inside the screen"
        [[ $client_scale != 1.000000 ]] || fail "the window was not scaled"
    fi

    click_at -5 35  # CALC AND PLOT
    ran=no
    for _ in $(seq 40); do
        sleep 0.25
        client_shot "$work/run-$screen.png"
        # The centre of the nearest screen carries the brightest part of its band.
        if [[ $(pixel "$work/run-$screen.png" 50 91) == "255,255,255" ]]; then
            ran=yes
            break
        fi
    done
    [[ $ran == yes ]] || fail "a click on CALC AND PLOT did not run"

    click_at 30 20  # the source marker's corner goes where the click lands
    sleep 0.5
    client_shot "$work/source-$screen.png"
    [[ $(pixel "$work/source-$screen.png" 31 19) == "0,255,0" ]] ||
        fail "the marker is not where the click placed it"
    [[ $(pixel "$work/source-$screen.png" 51 1) != "0,255,0" ]] ||
        fail "the marker is still at its start"
    stop_started
    sleep 0.2
done
((failures == 0)) || exit 1
echo "screen-size checks passed"
