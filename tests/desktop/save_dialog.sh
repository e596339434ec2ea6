#!/usr/bin/env bash
# Exports the main window as a user would: Files > Export > Image from the
# keyboard, Save in the Save File window, a name typed into the real file
# dialog. The file holds the BMP picture of the 502 x 283 window; saving again
# under the same name asks before replacing and then replaces. Closing both
# windows ends the program with exit code 0.
set -u
. "$(dirname "$0")/desktop_session.sh"

# Waits until the window has the keyboard focus, so typed keys reach it.
wait_for_focus() {
  for _ in $(seq 200); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    xdotool windowactivate "$1" 2>/dev/null
    sleep 0.05
  done
  fail "window \"$(xdotool getwindowname "$1" 2>/dev/null)\" never took the focus"
}

# The program's visible windows titled like the pattern. Only this program's
# count, so that nothing else on the display can stand in for them.
program_windows() {
  xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null
}

# Waits for a window of the program titled like the pattern, other than the
# given ones; prints its id.
wait_for_new_window() {
  local pattern=$1 window
  shift
  for _ in $(seq 200); do
    for window in $(program_windows "$pattern"); do
      case " $* " in *" $window "*) ;; *) echo "$window"; return 0 ;; esac
    done
    sleep 0.05
  done
  echo "no new window titled $pattern appeared" >&2
  return 1
}

wait_until_gone() {
  for _ in $(seq 200); do
    program_windows "$1" | grep -qx "$2" || return 0
    sleep 0.05
  done
  fail "window $2 did not close"
}

# Little-endian integer of `size` bytes at `offset` of the file.
integer_at() {
  od -An -t "u$3" -j "$2" -N "$3" --endian=little "$1" | tr -d ' '
}

# The file is replaced by a rename once it is whole, which may come a moment
# after the dialog has closed.
check_picture() {
  local file=$1
  for _ in $(seq 100); do
    [ "$(stat -c %s "$file" 2>/dev/null)" = 426818 ] && break
    sleep 0.05
  done
  [ -f "$file" ] || fail "$file was not written"
  [ "$(stat -c %s "$file")" -eq 426818 ] || fail "$file has $(stat -c %s "$file") bytes"
  [ "$(head -c 2 "$file")" = "BM" ] || fail "$file does not start with BM"
  [ "$(integer_at "$file" 2 4)" -eq 426818 ] || fail "bfSize of $file is wrong"
  [ "$(integer_at "$file" 18 4) x $(integer_at "$file" 22 4)" = "502 x 283" ] ||
    fail "$file is not a picture of the 502 x 283 window"
}

# Clicks Save in the Save File window (448, 216, 48 x 24 in its client area)
# and waits for the file dialog; prints the dialog's id.
press_save() {
  xdotool mousemove --window "$1" 472 228 click 1
  wait_for_new_window '^Save As$'
}

program=$(fresh_program "$1")
folder=$(dirname "$program")
"$program" &
pid=$!
main=$(wait_for_new_window '^Tolvane \(Pre-Alpha 1\.0\.0\.0\)$') || fail "no main window"
wait_for_focus "$main"

xdotool key alt+f Right Return
save=$(wait_for_new_window '^Save File$') || fail "Files > Export > Image opened no Save File window"
wait_for_focus "$save"
read -r left top width height < <(outer_rectangle "$save")
[ "$width x $height" = "509 x 277" ] || fail "Save File's outer size is $width x $height"
[ "$left,$top" = "428,245" ] || fail "Save File stands at $left,$top, not centred"

dialog=$(press_save "$save") || fail "Save opened no file dialog"
wait_for_focus "$dialog"
# Typed without its extension: the dialog adds the default ".jpg".
xdotool type --delay 30 map
xdotool key Return
wait_until_gone '^Save As$' "$dialog"
check_picture "$folder/map.jpg"

printf 'an older picture' >"$folder/map.jpg"
dialog=$(press_save "$save") || fail "a second Save opened no file dialog"
wait_for_focus "$dialog"
xdotool key ctrl+a
xdotool type --delay 30 map.jpg
xdotool key Return
question=$(wait_for_new_window '^Save As$' "$dialog") || fail "no question before replacing map.jpg"
wait_for_focus "$question"
xdotool key alt+y
wait_until_gone '^Save As$' "$dialog"
check_picture "$folder/map.jpg"
[ "$(find "$folder" -name '*.jpg' | wc -l)" -eq 1 ] || fail "other pictures appeared: $(ls "$folder")"

wmctrl -i -c "$save"
wait_until_gone '^Save File$' "$save"
wmctrl -i -c "$main"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "exit code $status after closing both windows"
echo "PASS"
