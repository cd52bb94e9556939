# Sourced by the end-to-end tests: a private X server, optionally with a light
# window manager, and helpers to look at the screen.
#   start_x_session WIDTH HEIGHT [--no-wm]   sets DISPLAY; stopped on exit
#   wait_until SECONDS COMMAND...            polls until COMMAND succeeds
#   pixel FILE X Y                           the colour at X,Y as RRGGBB
#   expect_popup_drawn SHOT X Y W H          the popup's skin in a screenshot
#   fail MESSAGE                             keeps the screen as $FAILURE_SHOT

fail() {
    echo "FAIL: $*" >&2
    [ -n "${FAILURE_SHOT:-}" ] && [ -n "${DISPLAY:-}" ] && import -window root "$FAILURE_SHOT" 2>/dev/null
    exit 1
}

session_pids=()
stop_x_session() {
    local pid
    for pid in "${session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap stop_x_session EXIT

wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

wm_is_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

start_x_session() {
    local width=$1 height=$2 displayfile
    displayfile=$(mktemp)
    # -displayfd picks a free display number and writes it once it listens;
    # -br keeps the desktop black, so a see-through pixel is easy to tell.
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -br -nolisten tcp 3>"$displayfile" 2>/dev/null &
    session_pids+=($!)
    wait_until 20 test -s "$displayfile" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$displayfile")"
    rm -f "$displayfile"
    [ "${3:-}" = --no-wm ] && return
    openbox --sm-disable >/dev/null 2>&1 &
    session_pids+=($!)
    wait_until 20 wm_is_ready || fail "the window manager did not start"
}

pixel() {
    /usr/bin/convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6
}

# Takes SHOT once the popup at X Y (size W H) has been drawn, then checks its
# skin: title bar and edges in their colours, three see-through pixels at
# each corner, dark text in the body.
expect_popup_drawn() {
    local shot=$1 x=$2 y=$3 w=$4 h=$5
    title_bar_drawn() {
        import -window root "$shot" && [ "$(pixel "$shot" $((x + 10)) $((y + 2)))" = 52A8CE ]
    }
    wait_until 10 title_bar_drawn || fail "the popup's title bar was never drawn"

    expect() { # what, x, y (in the popup), colour
        local seen
        seen=$(pixel "$shot" $((x + $2)) $((y + $3)))
        [ "$seen" = "$4" ] || fail "$1 at $2,$3 of the popup is #$seen, not #$4"
    }
    # The title bar repeats a 4-pixel picture from x 4: column 2 of it at 10.
    expect "title bar top line" 10 0 1D475B
    expect "title bar gradient, top" 10 2 52A8CE
    expect "title bar gradient, bottom" 10 22 D0E9F4
    expect "left edge" 0 23 133548
    expect "right edge" $((w - 1)) 23 133548
    expect "bottom border" 4 $((h - 1)) 0A2239
    expect "top-left corner border" 0 2 245974
    expect "bottom-right corner border" $((w - 1)) $((h - 4)) 0A1C36

    local desktop corner r=$((w - 1)) b=$((h - 1))
    desktop=$(pixel "$shot" $((x - 3)) $((y - 3)))
    [ "$desktop" != FF00FF ] || fail "the desktop itself is magenta"
    for corner in "0 0" "1 0" "0 1" "$r 0" "$((r - 1)) 0" "$r 1" \
                  "0 $b" "1 $b" "0 $((b - 1))" "$r $b" "$((r - 1)) $b" "$r $((b - 1))"; do
        # shellcheck disable=SC2086
        expect "cut corner" $corner "$desktop"
    done

    local dark
    dark=$(/usr/bin/convert "$shot" -crop "$((w - 12))x120+$((x + 6))+$((y + 25))" +repage \
        -colorspace Gray -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)
    [ "$dark" -ge 300 ] || fail "only $dark dark pixels in the popup's body"
}
