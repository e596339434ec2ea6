#!/usr/bin/env bash
# Ended by SIGTERM, SIGHUP or SIGINT, the program closes its window as the
# user would: the texts are saved and the exit code is 0.
set -u
for signal in TERM HUP INT; do
  folder=$(mktemp -d)
  cp "$1" "$folder/tolvane"
  printf '[mind]\r\n0=before %s\r\n' "$signal" >"$folder/mindsave.ini"
  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$folder/config" "$folder/tolvane" 2>/dev/null &
  pid=$!
  # Signal only once the program has its handlers in place (its caught-signal
  # mask in /proc names SIGTERM), however slowly it starts.
  for _ in $(seq 600); do
    caught=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null)
    [ -n "$caught" ] && (( (16#$caught >> 14) & 1 )) && break
    sleep 0.1
  done
  kill "-$signal" "$pid"
  wait "$pid"
  status=$?
  [ "$status" -eq 0 ] || { echo "SIG$signal: exit code $status"; exit 1; }
  grep -q '^3-2=' "$folder/mindsave.ini" || { echo "SIG$signal: texts not saved"; exit 1; }
  grep -q "^0=before $signal" "$folder/mindsave.ini" || { echo "SIG$signal: text lost"; exit 1; }
  rm -rf "$folder"
done
echo PASS
