# shellcheck shell=bash disable=SC2154 # the variables named in the header are set by run.sh
# Sourced by run.sh: one function for each kind of measurement. Each run
# appends its figures, one number a line, to $results/FIGURE.PROGRAM, for
# table.sh to take the median of. Needs session.sh and programs.sh.

record() { # FIGURE PROGRAM VALUE
    echo "$3" >>"$results/$1.$2"
}

# Start-up: one X server, the programs taken in turn, round 0 a warm-up that
# fills the page cache and fontconfig's.
measure_startup() { # ROUNDS PROGRAM...
    local rounds=$1 round name
    shift
    (
        x_server
        for round in $(seq 0 "$rounds"); do
            for name in "$@"; do
                launch_program "$name" || exit 1
                [ "$round" -eq 0 ] || record startup "$name" "$app_ms"
                stop "$app_pid"
            done
        done
        stop "$x_server_pid"
    )
}

# Memory 5 s after the window is mapped, then the minute that follows, idle.
# Each program in its own X server, all at once: what one does cannot wake
# another, and the minute passes once for all.
measure_idle() { # PROGRAM...
    local name side_by_side=()
    for name in "$@"; do
        (
            x_server
            launch_program "$name" || exit 1
            sleep 5
            record vmhwm "$name" "$(awk '/^VmHWM:/ {print $2 / 1024}' "/proc/$app_pid/status")"
            record pss "$name" "$(awk '/^Pss:/ {print $2 / 1024}' "/proc/$app_pid/smaps_rollup")"
            spent=$("$xwatch" spend "$app_pid" 60) || exit 1
            read -r cpu wakeups _ <<<"$spent"
            record idle-cpu "$name" "$cpu"
            record idle-wakeups "$name" "$wakeups"
            stop "$app_pid"
            stop "$x_server_pid"
        ) &
        side_by_side+=($!)
    done
    # Only these: a long period may be running in the background meanwhile.
    wait "${side_by_side[@]}"
}

# A minute of a running period, from 2 s after Start; the programs side by
# side as above.
measure_running() { # PROGRAM...
    local name side_by_side=()
    for name in "$@"; do
        (
            x_server
            launch_program "$name" || exit 1
            sleep 2
            start_period "$name" || exit 1
            sleep 2
            spent=$("$xwatch" spend "$app_pid" 60) || exit 1
            read -r cpu wakeups _ <<<"$spent"
            record running-cpu "$name" "$cpu"
            record running-wakeups "$name" "$wakeups"
            stop "$app_pid"
            stop "$x_server_pid"
        ) &
        side_by_side+=($!)
    done
    # Only these: a long period may be running in the background meanwhile.
    wait "${side_by_side[@]}"
}

# A period of MINUTES from the Start click to the completion popup's map,
# then the popup's fade: its wall time and the CPU the program spent in it.
# Alone on the machine, as a busy processor would delay the timer.
measure_accuracy() { # FIGURE MINUTES
    local figure=$1 minutes=$2
    (
        x_server
        launch_program quenvalle || exit 1
        sleep 1
        type_into "$quenvalle_minutes" "$minutes"
        sleep 0.5
        # shellcheck disable=SC2086
        seen=$("$xwatch" click-popup "$app_pid" "$app_window" $quenvalle_start $((minutes * 60 + 120))) || exit 1
        read -r popup fade_wall fade_cpu <<<"$seen"
        record "$figure" quenvalle "$popup"
        record fade-share quenvalle "$(awk -v c="$fade_cpu" -v w="$fade_wall" 'BEGIN {print 100 * c / w}')"
        record fade-wall quenvalle "$fade_wall"
        stop "$app_pid"
        stop "$x_server_pid"
    )
}

# The long-log program over the real log control.
measure_long_log() {
    (
        x_server
        local timings early late inserting_early inserting_late
        timings=$("$long_log" 2>/dev/null) || exit 1
        read -r early late inserting_early inserting_late _ <<<"$timings"
        record log-early quenvalle "$early"
        record log-late quenvalle "$late"
        record log-insert-early quenvalle "$inserting_early"
        record log-insert-late quenvalle "$inserting_late"
        stop "$x_server_pid"
    )
}
