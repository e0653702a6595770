# Driving the program's window under a private X server. Sourced, not run.
# The caller sets `work` (a folder of its own) and, for start_program, `program` (the pathsum
# binary), and kills the pids in `pids` when it ends.

pids=()

# Stops everything started here (the X server, the program); for a trap on EXIT.
stop_started() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    pids=()
}

# A private X server on a free display number, with a screen of SIZE (1280x1024, which the
# whole window fits on, unless given); DISPLAY points at it. Xvfb picks the number itself and
# writes it, so parallel runs do not collide.
start_xvfb() {  # [SIZE]
    local size=${1:-1280x1024}
    exec 5>"$work/display"
    Xvfb -displayfd 5 -screen 0 "${size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    local xvfb_pid=$!
    pids+=("$xvfb_pid")
    for _ in $(seq 100); do
        [[ -s "$work/display" ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    local display
    display=$(head -n 1 "$work/display")
    [[ "$display" =~ ^[0-9]+$ ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; return 1; }
    export DISPLAY=":$display"
    unset QT_QPA_PLATFORM
}

# Starts the program and waits for its window; sets program_pid and window.
start_program() {
    "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program_pid" \
                 --name "sum-over-paths" | head -n 1)
    [[ -n "$window" ]] || { echo "the window did not appear"; return 1; }
    sleep 0.5
    find_client_area
}

# The client area of the window: below the menu bar, 794 x 771 pixels, or the same scaled by
# client_scale on a screen too small for it. Sets client_scale, client_top and client_size.
find_client_area() {
    local geometry width height
    geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')
    width=${geometry%x*}
    height=${geometry#*x}
    client_scale=$(awk -v w="$width" 'BEGIN { printf "%.6f", w / 794 }')
    local client_height
    client_height=$(awk -v s="$client_scale" 'BEGIN { printf "%d", 771 * s + 0.5 }')
    client_top=$((height - client_height))
    client_size="${width}x${client_height}"
}

# Frame point to window pixel: x from -10 to 110 over the client width, y from 102 down over
# its height, below the menu bar.
pixel_x() { awk -v x="$1" -v s="${client_scale:-1}" 'BEGIN { printf "%d", (x + 10) / 120 * 794 * s }'; }
pixel_y() {
    awk -v y="$1" -v s="${client_scale:-1}" -v top="${client_top:-0}" \
        'BEGIN { printf "%d", top + (102 - y) / 120 * 771 * s }'
}

# A screenshot of the client area alone.
client_shot() {  # file
    import -window "$window" "$1.whole.png"
    convert "$1.whole.png" -crop "${client_size}+0+${client_top}" +repage "$1"
    rm -f "$1.whole.png"
}

click_at() {  # frame x, frame y
    xdotool mousemove --window "$window" "$(pixel_x "$1")" "$(pixel_y "$2")" click 1
}

# Clicks a text box at a frame point, waits for its input dialog, types the text and confirms.
type_into() {  # frame x, frame y, text
    click_at "$1" "$2"
    for _ in $(seq 100); do
        [[ $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | wc -l) -gt 1 ]] && break
        sleep 0.1
    done
    sleep 0.3
    xdotool type --delay 20 "$3"
    xdotool key Return
    sleep 0.3
}
