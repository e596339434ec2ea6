#!/usr/bin/env bash
# Runs a command on a private virtual X display (1366 x 768, 24 bits) with the
# openbox window manager, then stops both. Usage: with-desktop.sh COMMAND...
set -u

number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
  number=$((number + 1))
done
export DISPLAY=":$number"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

Xvfb "$DISPLAY" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$manager" "$server" 2>/dev/null; wait 2>/dev/null' EXIT

for _ in $(seq 100); do
  xprop -root >/dev/null 2>&1 && break
  sleep 0.05
done
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done

"$@"
