#!/usr/bin/env bash
# shellcheck disable=SC2317  # the clean-up functions run from traps
# Runs the printing tests against a CUPS scheduler of their own.
#
#   print-test.sh queue     TEST_BINARY   two queues, "Target" (the default) and "Decoy"; the
#                                         test prints and inspects what reaches "Target"
#   print-test.sh no-queue  TEST_BINARY   a scheduler that has no queue at all
#   print-test.sh no-server TEST_BINARY   nothing listens where the program looks for CUPS
#
# The scheduler listens on a free loopback port and keeps its configuration, spool, logs and
# state in a temporary folder. Its queues deliver through a small capture backend that copies
# each job into that folder. The machine's own printers and CUPS configuration are never read
# or written, and the scheduler is stopped by its process id when the script ends.
#
# PRINT_TEST_KEEP_PAGES=FOLDER keeps the rasterised pages of the printed jobs there, and the
# parts of them that a test rasterises finer.
#
# The scheduler runs from a copy of cupsd in that folder: the AppArmor profile that Debian
# installs for /usr/sbin/cupsd lets it start backends from /usr/lib/cups only, so the
# system's binary would refuse to run the capture backend wherever AppArmor is enabled.
set -euo pipefail

mode=${1:-}
binary=${2:-}
case "$mode" in
    queue | no-queue | no-server) ;;
    *)
        echo "usage: $0 queue|no-queue|no-server TEST_BINARY" >&2
        exit 2
        ;;
esac
[[ -x "$binary" ]] || {
    echo "print-test: no test program at '$binary'" >&2
    exit 2
}

# cupsd and lpadmin live in sbin, which an ordinary user's PATH may lack.
export PATH="$PATH:/usr/sbin:/sbin"
# Where Debian's scheduler looks for its helper programs (cups-exec starts every backend).
system_server_bin=/usr/lib/cups

fail() {
    echo "print-test: $*" >&2
    exit 1
}

for tool in cupsd lpadmin lpstat pdfinfo pdftoppm timeout; do
    command -v "$tool" >/dev/null ||
        fail "'$tool' is missing (scripts/install-deps --test installs cups-daemon, cups-client and poppler-utils)"
done
[[ -x "$system_server_bin/daemon/cups-exec" ]] ||
    fail "$system_server_bin/daemon/cups-exec is missing (package cups-daemon)"

work=$(mktemp -d "${TMPDIR:-/tmp}/pathsum-print.XXXXXX")
cupsd_pid=""
test_pid=""

show_log() {
    if [[ -s "$work/log/error_log" ]]; then
        echo "---- errors and warnings in the scheduler's error_log ----" >&2
        grep -E '^[EW] ' "$work/log/error_log" | tail -n 30 >&2 || true
        echo "---- its last lines ----" >&2
        tail -n 15 "$work/log/error_log" >&2
    fi
}

# Stops a child of this script by its process id: politely, then after five seconds for good.
stop_child() {
    local pid=$1
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

stop_cupsd() {
    [[ -n "$cupsd_pid" ]] || return 0
    stop_child "$cupsd_pid"
    cupsd_pid=""
}

cleanup() {
    local status=$?
    # timeout passes the signal on to the test program.
    if [[ -n "$test_pid" ]]; then
        stop_child "$test_pid"
    fi
    stop_cupsd
    if [[ $status -ne 0 ]]; then
        show_log
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

mkdir -p "$work"/{server-root,server-bin/backend,server-bin/filter,spool/temp,cache,state,log} \
    "$work"/{capture,client,home,runtime}
chmod 0700 "$work/runtime"
cp "$(command -v cupsd)" "$work/cupsd"
ln -s "$system_server_bin/daemon" "$work/server-bin/daemon"

# The capture backend: with no arguments it names its device (as lpinfo expects); for a job it
# copies the document (argument 6, or standard input when a filter feeds it) to
# capture/QUEUE-JOBID, through a temporary name so that a file under its final name is complete.
# Mode 0700 makes cupsd run it as the user that owns it.
cat >"$work/server-bin/backend/capture" <<EOF
#!/bin/sh
if [ \$# -eq 0 ]; then
    echo 'direct capture "Unknown" "Copies each job into a folder"'
    exit 0
fi
target="$work/capture/\${PRINTER:-unknown}-\$1"
if [ -n "\$6" ]; then
    cat -- "\$6" >"\$target.part" || exit 1
else
    cat >"\$target.part" || exit 1
fi
mv -- "\$target.part" "\$target"
EOF
chmod 0700 "$work/server-bin/backend/capture"

cat >"$work/cups-files.conf" <<EOF
ServerRoot $work/server-root
ServerBin $work/server-bin
CacheDir $work/cache
StateDir $work/state
RequestRoot $work/spool
TempDir $work/spool/temp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/printcap
FileDevice No
EOF

# The administration commands read no client.conf of the machine or the user either.
admin_env=(env -u CUPS_ENCRYPTION HOME="$work/home" CUPS_SERVERROOT="$work/client")

port_in_use() {
    (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

pick_free_port() {
    local port
    for _ in $(seq 100); do
        port=$((20000 + RANDOM % 40000))
        if ! port_in_use "$port"; then
            echo "$port"
            return 0
        fi
    done
    return 1
}

# Starts cupsd on a free port; retries with another port when the chosen one was taken in the
# meantime. Sets port and cupsd_pid.
start_cupsd() {
    local attempt
    for attempt in 1 2 3 4 5; do
        port=$(pick_free_port) || fail "no free loopback port found"
        cat >"$work/cupsd.conf" <<EOF
Listen 127.0.0.1:$port
Browsing Off
WebInterface No
LogLevel debug
MaxLogSize 0
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
        : >"$work/log/error_log"
        "$work/cupsd" -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" \
            >"$work/log/cupsd.out" 2>&1 </dev/null &
        cupsd_pid=$!
        # A scheduler that cannot bind its port goes on running without it, so the log says
        # whether to try another port.
        local taken=0
        for _ in $(seq 150); do
            if ! kill -0 "$cupsd_pid" 2>/dev/null; then
                break
            fi
            if grep -q "Address already in use" "$work/log/error_log" 2>/dev/null; then
                taken=1
                break
            fi
            if grep -q "Listening to 127.0.0.1:$port" "$work/log/error_log" 2>/dev/null &&
                "${admin_env[@]}" lpstat -h "127.0.0.1:$port" -r >/dev/null 2>&1; then
                return 0
            fi
            sleep 0.1
        done
        stop_cupsd
        if [[ $taken -eq 0 ]]; then
            cat "$work/log/cupsd.out" >&2 || true
            fail "cupsd did not start (attempt $attempt, port $port)"
        fi
    done
    fail "cupsd found no free port in five attempts"
}

# The test program reads no lpoptions or client.conf of the machine or the user, and cannot
# reach the system bus, so the CUPS library finds no printers announced on the network.
client_env=(
    env -u PRINTER -u LPDEST -u CUPS_ENCRYPTION
    HOME="$work/home"
    XDG_CONFIG_HOME="$work/home/.config"
    XDG_CACHE_HOME="$work/home/.cache"
    XDG_RUNTIME_DIR="$work/runtime"
    CUPS_SERVERROOT="$work/client"
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/no-bus"
    QT_QPA_PLATFORM=offscreen
)

case "$mode" in
    queue)
        start_cupsd
        server="127.0.0.1:$port"
        # Raw queues: the document reaches the backend as the program sent it. "Decoy" comes
        # first in every list, so a print that ignores the default goes there.
        "${admin_env[@]}" lpadmin -h "$server" -p Decoy -v capture:/ -E
        "${admin_env[@]}" lpadmin -h "$server" -p Target -v capture:/ -E
        "${admin_env[@]}" lpadmin -h "$server" -d Target
        client_env+=(CUPS_SERVER="$server" LPDEST=Target
            PRINT_TEST_CAPTURE_DIR="$work/capture" PRINT_TEST_QUEUE=Target)
        filter='PrintToQueue.*'
        ;;
    no-queue)
        start_cupsd
        client_env+=(CUPS_SERVER="127.0.0.1:$port")
        filter='NoPrinter.*'
        ;;
    no-server)
        port=$(pick_free_port) || fail "no free loopback port found"
        client_env+=(CUPS_SERVER="127.0.0.1:$port")
        filter='NoPrinter.*'
        ;;
esac

# The test program's own waits are bounded; the timeout bounds a hang anywhere else. It runs
# in the background so that a signal to this script stops everything at once.
"${client_env[@]}" timeout --kill-after=10 150 "$binary" --gtest_filter="$filter" &
test_pid=$!
status=0
wait "$test_pid" || status=$?
test_pid=""
exit "$status"
