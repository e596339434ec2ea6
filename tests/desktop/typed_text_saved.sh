#!/usr/bin/env bash
# Text typed on the real keyboard is in mindsave.ini after the window manager
# closes the window, under the key of the field typed in. (Characters that are
# not on the keyboard are left to the in-process store tests: xdotool types
# them by remapping a key for a moment, which a busy program can read late.)
set -u
. "$(dirname "$0")/desktop_session.sh"

program=$(fresh_program "$1")
XDG_CONFIG_HOME="$(dirname "$program")/config" "$program" &
pid=$!
window=$(wait_for_window '^Tolvane \(Pre-Alpha 1\.0\.0\.0\)$') || fail "no main window"
sleep 0.3
xdotool type --window "$window" --delay 20 "root node"
xdotool key --window "$window" --delay 50 Tab Tab
xdotool type --window "$window" --delay 20 "middle row"
sleep 0.3
wmctrl -i -c "$window"
wait "$pid" || fail "exit code $?"
file="$(dirname "$program")/mindsave.ini"
grep -q $'^0=root node\r$' "$file" || fail "root text not saved: $(cat -A "$file")"
grep -q $'^2-1=middle row\r$' "$file" || fail "EditBox3 text not saved: $(cat -A "$file")"
echo PASS
