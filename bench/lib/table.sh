# shellcheck shell=bash disable=SC2154 # the variables named in the header are set by run.sh
# Sourced by run.sh: the medians of $results and the table printed from them.
#   print_table [--peers] [--long]

# The median of a figure's runs, "" when there is none.
median() { # FIGURE PROGRAM
    [ -s "$results/$1.$2" ] || return 0
    sort -g "$results/$1.$2" | awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

largest() { # FIGURE PROGRAM
    [ -s "$results/$1.$2" ] || return 0
    sort -g "$results/$1.$2" | tail -n1
}

runs() { # FIGURE PROGRAM
    [ -s "$results/$1.$2" ] && wc -l <"$results/$1.$2" || echo 0
}

number() { # VALUE DECIMALS: "?" for a figure that was not measured
    [ -n "$1" ] && printf "%.${2}f" "$1" || printf '?'
}

ratio() { # VALUE FLOOR
    awk -v v="$1" -v f="$2" 'BEGIN {if (v == "" || f == "" || f <= 0) print "–"; else printf "%.2f", v / f}'
}

# met, or missed and by how much, for a value and its limit.
verdict() { # VALUE LIMIT
    awk -v v="$1" -v l="$2" 'BEGIN {
        if (v == "" || l == "") print "?"
        else if (v <= l) print "met"
        else printf "missed by %.0f %%\n", 100 * (v - l) / l }'
}

# One row set against the floor. RULE is "ratio N" (at most N times the
# floor), "near" (no more than the floor's largest run and 1 more unit),
# "most N" (at most N itself) or "wakeups" (at most 1.1 times the floor's).
floor_row() { # LABEL FIGURE PROGRAM FLOOR DECIMALS TARGET RULE [PEER]
    local label=$1 figure=$2 us=$3 floor=$4 decimals=$5 target=$6 rule=$7 peer=${8:-}
    local value base limit
    value=$(median "$figure" "$us")
    base=$(median "$figure" "$floor")
    case $rule in
    ratio*) limit=$(awk -v f="$base" -v n="${rule#* }" 'BEGIN {if (f != "") print f * n}') ;;
    near) limit=$(awk -v f="$(largest "$figure" "$floor")" 'BEGIN {if (f != "") print f + 1}') ;;
    most*) limit=${rule#* } ;;
    wakeups) limit=$(awk -v f="$base" 'BEGIN {if (f != "") print f * 1.1}') ;;
    esac
    local cells
    cells="| $label | $(number "$value" "$decimals") | $(number "$base" "$decimals") | $(ratio "$value" "$base")"
    if [ -n "$with_peers" ]; then
        if [ -n "$peer" ]; then
            local theirs
            theirs=$(median "$figure" "$peer")
            cells+=" | $(number "$theirs" "$decimals") | $(ratio "$theirs" "$base")"
        else
            cells+=" | – | –"
        fi
    fi
    echo "$cells | $target | $(verdict "$value" "$limit") |"
}

# A row without a floor: the figure alone against its own target.
lone_row() { # LABEL VALUE DECIMALS TARGET VERDICT
    local cells
    cells="| $1 | $(number "$2" "$3") | – | –"
    [ -z "$with_peers" ] || cells+=" | – | –"
    echo "$cells | $4 | $5 |"
}

# The worst run's distance from an expected time, in ms.
accuracy_verdict() { # FIGURE EXPECTED-MS TOLERANCE-MS
    [ -s "$results/$1.quenvalle" ] || { echo "?"; return; }
    awk -v e="$2" -v t="$3" '{d = $1 - e; if (d < 0) d = -d; if (d > worst) worst = d}
        END {if (worst <= t) printf "met (worst %+.1f ms)\n", worst; else printf "missed: worst off by %.1f ms\n", worst}' \
        "$results/$1.quenvalle"
}

print_table() {
    local header="| figure | Quenvalle | floor | ÷ floor"
    local rule="|---|---:|---:|---:"
    [ -z "$with_peers" ] || { header+=" | ktimer | ÷ floor"; rule+="|---:|---:"; }
    echo "$header | target | |"
    echo "$rule|---|---|"

    local peer=${with_peers:+ktimer}
    floor_row "start-up to the main window mapped, ms" startup quenvalle floor 1 "≤ 1.5 × floor" "ratio 1.5" "$peer"
    floor_row "memory after 5 s: VmHWM, MiB" vmhwm quenvalle floor 1 "≤ 1.3 × floor" "ratio 1.3" "$peer"
    floor_row "memory after 5 s: PSS, MiB" pss quenvalle floor 1 "≤ 1.3 × floor" "ratio 1.3" "$peer"
    floor_row "idle 60 s: CPU, ms" idle-cpu quenvalle floor 1 "as the floor ¹" near "$peer"
    floor_row "idle 60 s: wake-ups ²" idle-wakeups quenvalle floor 0 "≤ 5" "most 5" "$peer"
    floor_row "running 60 s: CPU, ms ³" running-cpu quenvalle floor-second 1 "≤ 1.5 × floor" "ratio 1.5" "$peer"
    floor_row "running 60 s: wake-ups ²" running-wakeups quenvalle floor-second 0 \
        "one timer event a second: ≤ 1.1 × floor" wakeups "$peer"
    floor_row "running with reminder 60 s: CPU, ms ⁴" running-cpu quenvalle-reminder floor-tenth 1 \
        "≤ 1.5 × floor" "ratio 1.5"
    floor_row "running with reminder 60 s: wake-ups ²˒⁴" running-wakeups quenvalle-reminder floor-tenth 0 \
        "eleven timer events a second: ≤ 1.1 × floor" wakeups

    lone_row "accuracy: Start to popup, minutes 1, ms ⁵" "$(median accuracy-1 quenvalle)" 1 \
        "61000 ± 10" "$(accuracy_verdict accuracy-1 61000 10)"
    [ -z "$with_long" ] || lone_row "accuracy: Start to popup, minutes 25 (one run), ms ⁵" \
        "$(median accuracy-25 quenvalle)" 1 "1501000 ± 20" "$(accuracy_verdict accuracy-25 1501000 20)"
    local share
    share=$(median fade-share quenvalle)
    lone_row "fade: CPU, % of its $(number "$(median fade-wall quenvalle)" 0) ms ⁶" "$share" 1 "< 10 %" \
        "$(verdict "$share" 9.999)"
    local early late
    early=$(median log-early quenvalle)
    late=$(median log-late quenvalle)
    lone_row "long log: the 100th append, µs ⁷" "$early" 0 "" ""
    lone_row "long log: the 100,000th append, µs ⁷" "$late" 0 "≤ 2 × the 100th" \
        "$(verdict "$late" "$(awk -v e="$early" 'BEGIN {if (e != "") print 2 * e}')") ($(ratio "$late" "$early") ×)"

    cat <<NOTES

Medians of $(runs startup quenvalle) start-ups, $(runs idle-cpu quenvalle) idle and running minutes, \
$(runs accuracy-1 quenvalle) periods and $(runs log-late quenvalle) long logs, each program in its own Xvfb without a \
window manager. A dash: the figure has no floor (no other program shows a popup, fades or keeps a log) or does not \
apply to the peer (ktimer has no popup, fade, reminder or log).

1. No more than the floor's largest run plus 1 ms: below that, CPU time is scheduler noise.
2. Voluntary context switches of all threads: each is a sleep ended by a wake-up. A repaint costs Qt on X more than one (the X connection's reader thread wakes for the server's answer, and wakes the GUI thread), so a timer's wake-ups are counted against the floor doing the same.
3. Floor: rewrites its label every second.
4. Floor: rewrites its label every second and runs a 100 ms timer that shows nothing. The program's minute includes the reminder popup, due 36.1 s after Start, and its fade.
5. From the click's release to the completion popup's map on the X server.
6. From the popup's first opacity change to its unmap.
7. Median of the 100 appends around each, each an insertion and the repaint it causes. The insertion alone: $(number "$(median log-insert-early quenvalle)" 0) µs and $(number "$(median log-insert-late quenvalle)" 0) µs.
NOTES
}
