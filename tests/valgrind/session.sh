#!/usr/bin/env bash
# One whole session of the real program under valgrind's memcheck: type into
# two fields, export the window as an image and save it, close the Save File
# window, open About and press OK, close the main window. Fails when memcheck
# reports an error (invalid read or write, use of uninitialised memory) or a
# definite leak that the suppression file does not explain, and when the
# session itself goes wrong. Usage: session.sh PROGRAM
# (run on a desktop from scripts/with-desktop.sh).
set -u
here=$(dirname "$(realpath "$0")")
. "$here/../desktop/desktop_session.sh"

# Valgrind runs the program some twenty to fifty times slower than usual.
readonly kWindowWaitSeconds=180
readonly kMemcheckErrorStatus=99

program=$(fresh_program "$1")
folder=$(dirname "$program")
log="$folder/memcheck.log"

# Polls instead of "xdotool search --sync": that aborts with BadWindow when a
# window it is looking at disappears meanwhile, as menus and dialogs do.
wait_for() {
  local window deadline=$((SECONDS + kWindowWaitSeconds))
  while [ "$SECONDS" -lt "$deadline" ] && kill -0 "$pid" 2>/dev/null; do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    if [ -n "$window" ]; then echo "$window"; return 0; fi
    sleep 0.25
  done
  return 1
}

wait_until_gone() {
  local deadline=$((SECONDS + kWindowWaitSeconds))
  while [ "$SECONDS" -lt "$deadline" ] && kill -0 "$pid" 2>/dev/null; do
    [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] && return 0
    sleep 0.25
  done
  return 1
}

# Keys reach whatever window has the keyboard, as the user's do; the pause
# gives the slowed-down program time to open a menu before the next key.
press() {
  xdotool key --clearmodifiers "$1"
  sleep 2
}

# Clicks at a place in a window's client area, as the user's mouse does.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 2
}

show_log_and_fail() {
  sed -n '/^==[0-9]*== [^ ]/,$p' "$log" >&2
  fail "$@"
}

(cd "$folder" && exec "$here/memcheck.sh" "$log" ./tolvane) &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT

main=$(wait_for '^Tolvane \(Pre-Alpha 1\.0\.0\.0\)$') || show_log_and_fail "no main window"
xdotool windowactivate --sync "$main" >/dev/null 2>&1
sleep 2
xdotool type --delay 80 'Valgrind root'
press Tab
xdotool type --delay 80 'First branch'
sleep 2

press alt+f
press Right
press Return
save=$(wait_for '^Save File$') || show_log_and_fail "Files > Export > Image opened no Save File window"
sleep 2
click "$save" 472 228  # Save
dialog=$(wait_for '^Save As$') || show_log_and_fail "Save opened no save dialog"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
sleep 2
xdotool type --delay 80 'session'
press Return
wait_until_gone '^Save As$' || show_log_and_fail "the save dialog stayed open"
wmctrl -i -c "$save"
wait_until_gone '^Save File$' || show_log_and_fail "the Save File window stayed open"

xdotool windowactivate --sync "$main" >/dev/null 2>&1
press alt+h
press Return
about=$(wait_for '^About$') || show_log_and_fail "Help > About opened no About window"
sleep 2
click "$about" 140 164  # OK
wait_until_gone '^About$' || show_log_and_fail "OK left the About window open"

wmctrl -i -c "$main"
wait "$pid"
status=$?
trap - EXIT

[ "$status" -ne "$kMemcheckErrorStatus" ] || show_log_and_fail "memcheck reported errors"
[ "$status" -eq 0 ] || show_log_and_fail "exit code $status"
grep -q '^0=Valgrind root' "$folder/mindsave.ini" || fail "the typed root text was not saved"
grep -q '=First branch' "$folder/mindsave.ini" || fail "the typed branch text was not saved"
[ "$(head -c 2 "$folder/session.jpg" 2>/dev/null)" = BM ] || fail "no picture saved as session.jpg"
grep -E 'ERROR SUMMARY|definitely lost' "$log"
rm -rf "$folder"
echo "PASS"
