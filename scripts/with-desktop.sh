#!/usr/bin/env bash
# Runs a command on a private virtual X display (1366 x 768, 24 bits) with the
# openbox window manager, then stops both. Usage: with-desktop.sh COMMAND...
set -u

# The server picks a free display number itself and tells it on a pipe, so
# sessions started side by side never race for the same number.
numberFile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
server=$!
trap 'kill "${manager:-}" "$server" 2>/dev/null; wait 2>/dev/null; rm -f "$numberFile"' EXIT
for _ in $(seq 200); do
  [ -s "$numberFile" ] && break
  sleep 0.05
done
export DISPLAY=":$(head -n 1 "$numberFile")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

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
