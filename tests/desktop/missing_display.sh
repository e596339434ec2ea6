#!/usr/bin/env bash
# Without a reachable display the program says so and how to get one, and
# ends with a non-zero exit code instead of crashing.
set -u
output=$(env -u WAYLAND_DISPLAY DISPLAY=:7777 QT_QPA_PLATFORM= "$1" 2>&1)
status=$?
[ "$status" -eq 1 ] || { echo "exit code $status"; exit 1; }
echo "$output" | grep -q 'cannot open the display ":7777"' || { echo "said: $output"; exit 1; }
echo "$output" | grep -q 'xvfb-run' || { echo "no hint: $output"; exit 1; }
echo "PASS"
