# shellcheck shell=bash disable=SC2154 # the variables named in the header are set by run.sh
# Sourced by run.sh: the programs measured, by name, and how a user starts a
# period in each. Needs $xwatch, $program and $floor.
#   quenvalle            the program
#   quenvalle-reminder   the program, its reminder option ticked before Start
#   floor                the floor, doing nothing
#   floor-second         the floor rewriting its label every second
#   floor-tenth          the same, plus a timer every 100 ms that shows nothing
#   ktimer               Debian's ktimer, the peer
#
#   launch_program NAME   launch (session.sh) with the prefix "app"
#   start_period NAME     a period running in the launched app, as by hand

launch_program() {
    case $1 in
    quenvalle | quenvalle-reminder) launch app "$program" ;;
    floor) launch app "$floor" ;;
    floor-second) launch app "$floor" --label-every 1000 ;;
    floor-tenth) launch app "$floor" --label-every 1000 --silent-every 100 ;;
    ktimer) launch app ktimer ;;
    *) echo "no program $1" >&2; return 1 ;;
    esac
}

# Places in the main window's client area; figures.sh types the minutes.
# shellcheck disable=SC2034
readonly quenvalle_start="42 194" quenvalle_minutes="107 115" quenvalle_reminder="160 108"
readonly ktimer_new="492 23" ktimer_minutes="189 227" ktimer_run="460 195"

click_at() { # X Y in the launched app's window
    # shellcheck disable=SC2086
    "$xwatch" click "$app_window" $1
}

# Replaces the text of an entry: a triple click selects all of it.
type_into() { # "X Y" TEXT
    local x=${1% *} y=${1#* }
    xdotool mousemove --window "$app_window" "$x" "$y" click --repeat 3 --delay 50 1 type "$2"
}

start_period() {
    case $1 in
    quenvalle) click_at "$quenvalle_start" ;;
    quenvalle-reminder) click_at "$quenvalle_reminder" && click_at "$quenvalle_start" ;;
    # A new job, 25 minutes long, started.
    ktimer) click_at "$ktimer_new" && sleep 0.5 && type_into "$ktimer_minutes" 25 && click_at "$ktimer_run" ;;
    floor*) ;; # the floor's timers run from its start
    esac
}
