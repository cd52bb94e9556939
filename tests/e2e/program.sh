#!/usr/bin/env bash
# The real program in a real X server, used as a person would: through the
# mouse and the keyboard, read back from the screen.
#   program.sh PROGRAM SCREENSHOT-FOLDER
set -euo pipefail
program=$(realpath "$1")
shots=$(realpath -m "$2")
mkdir -p "$shots"
FAILURE_SHOT=$shots/failure.png
source "$(dirname "$0")/x-session.sh"

readonly SW=1280 SH=800
start_x_session $SW $SH
export QT_QPA_PLATFORM=xcb
workdir=$(mktemp -d)
cd "$workdir"

app_pid=
start_program() {
    "$program" >"$workdir/program.log" 2>&1 &
    app_pid=$!
    session_pids+=($app_pid)
    wait_until 20 window_named '^Quenvalle$' >/dev/null || fail "the main window did not appear"
    main=$(window_named '^Quenvalle$')
}
# Sets code to the program's exit code once it has ended on its own within
# SECONDS.
program_is_gone() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_for_exit() {
    wait_until "$1" program_is_gone || fail "the program is still running"
    code=0
    wait "$app_pid" || code=$?
}
window_named() { # the first visible window whose title matches
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep .
}
window_geometry() { # prints X Y W H of a window's client area
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}
popup_window() { # the program's visible window that is not the main window
    xdotool search --onlyvisible --classname '^quenvalle$' 2>/dev/null | grep -vx "$main" | head -n1 | grep .
}
ask_to_close() {
    xdotool windowactivate --sync "$main" key alt+F4
    wait_until 20 window_named '^询问：$' >/dev/null || fail "no close question"
}

echo "# the main window: title, centred"
start_program
[ "$(xdotool getwindowname "$main")" = Quenvalle ] || fail "title"
read -r cx cy cw ch < <(window_geometry "$main")
read -r left right top bottom < <(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
[ $((cx - left)) -eq $(((SW - 335) / 2)) ] && [ $((cy - top)) -eq $(((SH - 513) / 2)) ] ||
    fail "not centred: frame at $((cx - left)),$((cy - top))"
import -window root "$workdir/main.png"
/usr/bin/convert "$workdir/main.png" -crop "$((cw + left + right))x$((ch + top + bottom))+$((cx - left))+$((cy - top))" \
    +repage "$shots/main-window.png"

echo "# minutes 0 and Start: the completion popup one second later"
xdotool mousemove --window "$main" $((77 + 30)) $((103 + 12)) click --repeat 3 1 type 0
xdotool mousemove --window "$main" $((12 + 30)) $((182 + 12)) click 1
wait_until 20 popup_window >/dev/null || fail "no popup"
popup=$(popup_window)
read -r px py pw ph < <(window_geometry "$popup")
[ "$ph" -eq 151 ] || fail "popup height $ph"
[ $((px + pw)) -eq $((SW - 2)) ] && [ $((py + ph)) -eq $((SH - 32)) ] ||
    fail "popup at $px,$py size ${pw}x$ph"
expect_popup_drawn "$workdir/popup.png" "$px" "$py" "$pw" "$ph"
/usr/bin/convert "$workdir/popup.png" -crop "$((pw + 40))x$((ph + 40))+$((px - 20))+$((py - 20))" +repage "$shots/popup.png"

echo "# closing the main window while the popup is shown"
ask_to_close
xdotool key Return
wait_until 20 eval '! window_named "^Quenvalle\$" >/dev/null' || fail "the main window did not close"
! program_is_gone || fail "the program ended while the popup was on screen"
popup_window >/dev/null || fail "the popup went with the main window"
wait_for_exit 30
[ "$code" -eq 0 ] || fail "exit code $code after the popup"

echo "# the close question: Cancel keeps the program, OK ends it with 0"
start_program
ask_to_close
xdotool key Escape
wait_until 20 eval '! window_named "^询问：\$" >/dev/null' || fail "the question stays"
! program_is_gone || fail "Cancel ended the program"
window_named '^Quenvalle$' >/dev/null || fail "Cancel closed the window"
ask_to_close
xdotool key Return
wait_for_exit 20
[ "$code" -eq 0 ] || fail "exit code $code"

echo "1 passed, 0 failed"
