#!/usr/bin/env bash
# What a screen reader hears: the program on a private X server and a private D-Bus session
# with its own accessibility bus, a run with the default settings, Arrows at a Point on the
# centre of the fourth screen, then the tree walked through AT-SPI by atspi-check.py.
#   e2e-accessibility.sh <pathsum binary> <work folder>
set -euo pipefail
program=$1
work=$2
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" || -z "${PATHSUM_PRIVATE_BUS:-}" ]]; then
    # A session bus of its own, which ends with the script.
    exec env PATHSUM_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@"
fi
rm -rf "$work"
mkdir -p "$work"

source "$(dirname "$0")/window-lib.sh"
trap stop_started EXIT
start_xvfb 1920x1080
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
sleep 1
# Qt speaks AT-SPI whenever the accessibility bus is there.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program

click_at -5 35  # CALC AND PLOT
sleep 2
xdotool key F6  # Arrows at a Point
sleep 1
xdotool mousemove --window "$window" "$(pixel_x 50)" "$(pixel_y 60)"
sleep 0.3
xdotool mousemove --window "$window" "$(pixel_x 50.3)" "$(pixel_y 59.5)"
sleep 1
/usr/bin/python3 "$(dirname "$0")/atspi-check.py"
echo "accessibility checks passed"
