# shellcheck shell=bash disable=SC2154 # the variables named in the header are set by run.sh
# Sourced by run.sh: private X servers, the programs measured in them, and
# the clean-up of everything started.
#   x_server                          starts an Xvfb and sets DISPLAY to it
#                                     and x_server_pid
#   start_bus                         a private D-Bus session bus for all
#   launch VARIABLE-PREFIX PROGRAM    starts a program on $DISPLAY and sets
#                                     PREFIX_pid, PREFIX_window, PREFIX_ms
#   stop PID                          ends a process started here and waits
# Needs $xwatch and $scratch.

# Every process started here is listed, so that clean-up ends those and no
# other; background measurements append to the same file.
remember() { echo "$1" >>"$scratch/pids"; }

clean_up() {
    local pid
    [ -f "$scratch/pids" ] || return 0
    while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$scratch/pids"
}

# No window manager: top-level windows are then children of the root, whose
# events xwatch watches, and nothing else draws or wakes up.
x_server() {
    local displayfile=$scratch/display.$BASHPID.$RANDOM
    # -displayfd picks a free display number and writes it once it listens.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
    x_server_pid=$!
    remember $x_server_pid
    local tries=200
    until [ -s "$displayfile" ]; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || { echo "Xvfb did not start" >&2; return 1; }
        sleep 0.05
    done
    DISPLAY=":$(head -n1 "$displayfile")"
    export DISPLAY
}

# The peer needs a session bus; every program gets the same private one, so
# none talks to the desktop's and all are measured alike.
start_bus() {
    local answer
    answer=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1)
    remember "$(sed -n 2p <<<"$answer")"
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$answer")
}

launch() {
    local prefix=$1 answer
    shift
    # Fresh settings each time: no run sees what an earlier one saved.
    XDG_CONFIG_HOME=$(mktemp -d -p "$scratch") || return 1
    export XDG_CONFIG_HOME
    answer=$("$xwatch" launch "$scratch/$prefix.$BASHPID.log" 30 "$@") || return 1
    read -r "${prefix}_pid" "${prefix}_window" "${prefix}_ms" <<<"$answer"
    local pid=${prefix}_pid
    remember "${!pid}"
}

stop() {
    kill "$1" 2>/dev/null || return 0
    local tries=100
    while kill -0 "$1" 2>/dev/null && [ $tries -gt 0 ]; do
        tries=$((tries - 1))
        sleep 0.05
    done
    kill -KILL "$1" 2>/dev/null || true
}
