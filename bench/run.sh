#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Installs what is missing, builds the program and the bench's helpers in
# Release, measures the program beside a minimal Qt Widgets program (the
# floor) under Xvfb and prints the table of figures (Markdown) on stdout.
#   bench/run.sh [--peers] [--long]
# --peers  also measures Debian's ktimer, installing it first
# --long   also times one 25-minute period, beside the rest (about 26 min)
# About 14 minutes without --long. Every run's figures stay in
# build-bench/results/.
set -euo pipefail
bench=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$bench")

with_peers="" with_long=""
for argument in "$@"; do
    case $argument in
    --peers) with_peers=yes ;;
    --long) with_long=yes ;;
    *) echo "usage: bench/run.sh [--peers] [--long]" >&2; exit 2 ;;
    esac
done

# On top of the project's own packages: plain xcb and its XTest extension
# for the X event watcher, and with --peers the timer measured beside us.
"$root/scripts/install-deps.sh" libxcb1-dev libxcb-xtest0-dev ${with_peers:+ktimer}

build=$root/build-bench
cmake -S "$bench" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target quenvalle quenvalle-bench-floor quenvalle-bench-log quenvalle-xwatch >/dev/null
program=$build/quenvalle/app/quenvalle
floor=$build/floor/quenvalle-bench-floor
long_log=$build/log-append/quenvalle-bench-log
xwatch=$build/xwatch/quenvalle-xwatch

source "$bench/lib/session.sh"
source "$bench/lib/programs.sh"
source "$bench/lib/figures.sh"
source "$bench/lib/table.sh"

scratch=$(mktemp -d)
trap 'clean_up; rm -rf "$scratch"' EXIT
results=$build/results/$(date +%Y%m%d-%H%M%S)
mkdir -p "$results"

# The same surroundings for every program: X through Xvfb only, a private
# runtime folder and session bus, nothing of the desktop the bench runs in.
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY SESSION_MANAGER
start_bus

step() { echo "$(date +%T) $*" >&2; }
# Whatever else the machine does shows in the figures: its load is printed.
load_at_start=$(cut -d' ' -f1 /proc/loadavg)
peer=${with_peers:+ktimer}
rounds=3

if [ -n "$with_long" ]; then
    step "a 25-minute period, in the background"
    measure_accuracy accuracy-25 25 &
    long_period=$!
fi
step "start-up, 11 runs each"
# shellcheck disable=SC2086
measure_startup 11 quenvalle floor $peer
for round in $(seq $rounds); do
    step "memory and an idle minute, round $round of $rounds"
    # shellcheck disable=SC2086
    measure_idle quenvalle floor $peer
done
for round in $(seq $rounds); do
    step "a running minute, round $round of $rounds"
    # shellcheck disable=SC2086
    measure_running quenvalle quenvalle-reminder floor-second floor-tenth $peer
done
for round in $(seq $rounds); do
    step "a 1-minute period and its popup's fade, $round of $rounds"
    measure_accuracy accuracy-1 1
done
for round in $(seq $rounds); do
    step "100,000 log entries, $round of $rounds"
    measure_long_log
done
if [ -n "$with_long" ]; then
    step "waiting for the 25-minute period"
    wait "$long_period"
fi
step "done; every run's figures are in $results"

echo "Measured $(date '+%Y-%m-%d %H:%M %Z') on $(lscpu | sed -n 's/^Model name: *//p' | head -n1)," \
    "$(nproc) CPUs, $(free -h | awk '/^Mem:/ {print $2}') of memory, $(. /etc/os-release && echo "$PRETTY_NAME");" \
    "load average $load_at_start at the start, $(cut -d' ' -f1 /proc/loadavg) at the end."
echo
print_table
