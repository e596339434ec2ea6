#!/usr/bin/env bash
# Under a real window manager, "About" opens a 179 x 214 window centred on
# the 1366 x 768 screen that has the keyboard at once: Esc and Space close
# it, Enter and Esc with a modifier do not, and the window manager's close
# button does. Each opening is a window of its own.
set -u
. "$(dirname "$0")/../desktop/desktop_session.sh"

program=$(fresh_program "$1")
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
main=$(wait_for_window '^Tolvane \(Pre-Alpha 1\.0\.0\.0\)$') || fail "no main window"

# Opens the About window from the Help menu by keyboard; prints its id.
open_about() {
  xdotool windowactivate --sync "$main" >/dev/null 2>&1
  xdotool key --clearmodifiers alt+h
  sleep 0.3
  xdotool key Return
  wait_for_window '^About$'
}

about_is_open() {
  [ -n "$(xdotool search --onlyvisible --name '^About$' 2>/dev/null)" ]
}

# Presses a key wherever the keyboard goes, as the user does.
press() {
  xdotool key "$1"
  sleep 0.3
}

about=$(open_about) || fail "About did not open"
sleep 0.3
read -r left top width height < <(outer_rectangle "$about")
[ "$width x $height" = "179 x 214" ] || fail "outer size is $width x $height"
[ "$left,$top" = "593,277" ] || fail "outer place is $left,$top, not centred"
[ "$(xdotool getactivewindow)" = "$about" ] || fail "the About window did not get the keyboard"
for key in Return KP_Enter ctrl+Escape shift+Escape; do
  press "$key"
  about_is_open || fail "$key closed the About window"
done
press Escape
about_is_open && fail "Esc left the About window open"

first=$about
about=$(open_about) || fail "About did not open a second time"
[ "$about" != "$first" ] || fail "the second opening reused the first window"
press space
about_is_open && fail "Space on OK left the About window open"

about=$(open_about) || fail "About did not open a third time"
wmctrl -i -c "$about"
sleep 0.3
about_is_open && fail "the close button left the About window open"

wmctrl -i -c "$main"
wait "$pid"
status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "exit code $status after closing the main window"
echo "PASS"
