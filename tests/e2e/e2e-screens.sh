#!/usr/bin/env bash
# The window on screens of four sizes: on 1280 x 1024 its client area is exactly 794 x 771
# pixels; on 1366 x 768, 1280 x 720 and 1024 x 600 the whole window lies inside the screen,
# scaled down, and real clicks still reach "CALC AND PLOT" and place the source where they
# land. On 1366 x 768 and 1024 x 600, with the field and the arrows opened (in one order on one,
# in the other on the other), no window covers another by more than a twentieth of the smaller,
# each lies on the screen and each side window is at least 250 pixels on a side.
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

# "x y width height" of a window.
rectangle() {  # window id
    xdotool getwindowgeometry "$1" | awk '
        /Position:/ { split($2, p, ","); x = p[1]; y = p[2] }
        /Geometry:/ { split($2, g, "x"); print x, y, g[1], g[2] }'
}

# Opens a side window with its key from the main window; prints its window id.
open_side() {  # key, title
    xdotool windowfocus "$window" 2>/dev/null || true
    xdotool key "$1"
    timeout 10 xdotool search --sync --all --onlyvisible --pid "$program_pid" --name "^$2\$" 2>/dev/null | head -n 1
}

# The three windows share the screen: checks their rectangles.
check_sharing() {  # first key, first title, second key, second title
    local first second
    first=$(open_side "$1" "$2")
    sleep 1
    second=$(open_side "$3" "$4")
    [[ -n $first && -n $second ]] || { fail "$2 or $4 did not open"; return; }
    sleep 1.5
    import -window root "$work/sharing-$screen.png"
    local rects
    rects="$(rectangle "$window")
$(rectangle "$first")
$(rectangle "$second")"
    echo "$screen: main, $2, $4 at"$'\n'"$rects"
    local problems
    problems=$(awk -v sw="${screen%x*}" -v sh="${screen#*x}" '
        { x[NR] = $1; y[NR] = $2; w[NR] = $3; h[NR] = $4 }
        END {
            for (i = 1; i <= 3; i++) {
                if (x[i] < 0 || y[i] < 0 || x[i] + w[i] > sw || y[i] + h[i] > sh)
                    print "window " i " leaves the screen"
                if (i > 1 && (w[i] < 250 || h[i] < 250)) print "side window " i " is under 250"
                for (j = i + 1; j <= 3; j++) {
                    ow = (x[i] + w[i] < x[j] + w[j] ? x[i] + w[i] : x[j] + w[j]) - (x[i] > x[j] ? x[i] : x[j])
                    oh = (y[i] + h[i] < y[j] + h[j] ? y[i] + h[i] : y[j] + h[j]) - (y[i] > y[j] ? y[i] : y[j])
                    a = w[i] * h[i]; b = w[j] * h[j]; least = a < b ? a : b
                    if (ow > 0 && oh > 0 && 20 * ow * oh > least) print "windows " i " and " j " overlap"
                }
            }
        }' <<<"$rects")
    [[ -z $problems ]] || fail "$problems"
}

failures=0
fail() {
    echo "FAIL ($screen): $*"
    failures=$((failures + 1))
}

for screen in 1280x1024 1366x768 1280x720 1024x600; do
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
    if [[ $screen == 1366x768 ]]; then
        check_sharing F7 "Field of Light" F6 "Arrows at a Point"
    elif [[ $screen == 1024x600 ]]; then
        check_sharing F6 "Arrows at a Point" F7 "Field of Light"
    fi
    stop_started
    sleep 0.2
done
((failures == 0)) || exit 1
echo "screen-size checks passed"
