#!/usr/bin/env bash
# The popup demo on a bare X server: the popup is drawn with its skin and cut
# corners, and the demo ends by itself once the popup has faded out.
#   popup-demo.sh DEMO SCREENSHOT
set -euo pipefail
demo=$(realpath "$1")
shot=$(realpath -m "$2")
mkdir -p "$(dirname "$shot")"
FAILURE_SHOT=$shot
source "$(dirname "$0")/x-session.sh"

start_x_session 1280 800 --no-wm
out=$(mktemp)
QT_QPA_PLATFORM=xcb "$demo" >"$out" &
demo_pid=$!
session_pids+=($demo_pid)
wait_until 20 test -s "$out" || fail "the demo told no place"
read -r word x y w h <"$out"
[ "$word" = popup ] || fail "unexpected demo output: $(cat "$out")"

expect_popup_drawn "$shot" "$x" "$y" "$w" "$h"
echo "screenshot: $shot"

status=0
wait "$demo_pid" || status=$?
[ "$status" -eq 0 ] || fail "the demo exited with $status"
echo "1 passed, 0 failed"
