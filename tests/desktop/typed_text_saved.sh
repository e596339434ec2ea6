#!/usr/bin/env bash
# Text typed on the real keyboard, Chinese included, is in mindsave.ini after
# the window manager closes the window, under the key of the field typed in.
set -u
. "$(dirname "$0")/desktop_session.sh"

program=$(fresh_program "$1")
XDG_CONFIG_HOME="$(dirname "$program")/config" "$program" &
pid=$!
window=$(wait_for_window '^Tolvane \(Pre-Alpha 1\.0\.0\.0\)$') || fail "no main window"
sleep 0.3
xdotool type --window "$window" --delay 20 "root 根"
xdotool key --window "$window" Tab Tab
xdotool type --window "$window" --delay 20 "middle 中间"
sleep 0.3
wmctrl -i -c "$window"
wait "$pid" || fail "exit code $?"
file="$(dirname "$program")/mindsave.ini"
grep -q $'^0=root 根\r$' "$file" || fail "root text not saved: $(cat -A "$file")"
grep -q $'^2-1=middle 中间\r$' "$file" || fail "EditBox3 text not saved: $(cat -A "$file")"
echo PASS
