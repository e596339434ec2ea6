#!/usr/bin/env bash
# Under a real window manager the main window's outer frame is 502 x 283,
# centred on the 1366 x 768 screen, and closing it through the window manager
# ends the program with exit code 0.
set -u
. "$(dirname "$0")/desktop_session.sh"

program=$(fresh_program "$1")
"$program" &
pid=$!
window=$(wait_for_window '^Tolvane \(Pre-Alpha 1\.0\.0\.0\)$') || fail "no main window"
sleep 0.3
read -r left top width height < <(outer_rectangle "$window")
[ "$width x $height" = "502 x 283" ] || fail "outer size is $width x $height"
[ "$left,$top" = "432,242" ] || fail "outer place is $left,$top, not centred"
wmctrl -i -c "$window"
wait_for_exit "$pid" 30
status=$?
[ "$status" -eq 0 ] || fail "exit code $status after closing by the window manager"
echo "PASS"
