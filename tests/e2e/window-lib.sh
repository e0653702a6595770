# Driving the program's window under a private X server. Sourced, not run.
# The caller sets `work` (a folder of its own) and, for start_program, `program` (the pathsum
# binary), and kills the pids in `pids` when it ends.

pids=()

# A private X server on a free display number, with a screen of SIZE (1024x800 unless
# given); DISPLAY points at it. Xvfb picks the number itself and writes it, so parallel runs
# do not collide.
start_xvfb() {  # [SIZE]
    local size=${1:-1024x800}
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
}

# Frame point to window pixel: x from -10 to 110 over 794 pixels, y from 102 down over 771.
pixel_x() { awk -v x="$1" 'BEGIN { printf "%d", (x + 10) / 120 * 794 }'; }
pixel_y() { awk -v y="$1" 'BEGIN { printf "%d", (102 - y) / 120 * 771 }'; }

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
