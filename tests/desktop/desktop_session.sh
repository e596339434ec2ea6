# Helpers for tests that drive the real program on a virtual desktop.

# Copies the executable into a fresh folder of its own, so the files it keeps
# beside itself stay apart from every other test's; prints the copy's path.
fresh_program() {
  local folder
  folder=$(mktemp -d)
  cp "$1" "$folder/tolvane"
  echo "$folder/tolvane"
}

# Waits for a visible window whose title matches the pattern; prints its id.
wait_for_window() {
  local window
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    if [ -n "$window" ]; then echo "$window"; return 0; fi
    sleep 0.05
  done
  echo "no window titled $1 appeared" >&2
  return 1
}

# The window's outer rectangle, frame included: "left top width height".
outer_rectangle() {
  local window=$1 x y width height left right top bottom
  x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
  width=$(xwininfo -id "$window" | sed -n 's/^ *Width: *//p')
  height=$(xwininfo -id "$window" | sed -n 's/^ *Height: *//p')
  read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
    sed -n 's/.*= *//p' | tr -d ',')
  echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# Waits up to SECONDS for the process to end; its exit code, or 124 with a
# word about what it was doing when it does not end.
wait_for_exit() {
  local pid=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; return $?; }
    sleep 0.1
  done
  echo "process $pid still running: $(tr -d '\0' <"/proc/$pid/wchan" 2>/dev/null)" >&2
  xdotool search --name . getwindowname %@ 2>/dev/null | sed 's/^/  window: /' >&2
  kill -9 "$pid" 2>/dev/null
  return 124
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
