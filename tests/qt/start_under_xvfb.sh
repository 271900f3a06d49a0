#!/usr/bin/env bash
# Starts the built program on an X server, waits for its main window to be
# mapped, presses Escape in it and expects the process to end with status 0
# (under the sanitizers a leak or an error report at exit makes it nonzero).
set -euo pipefail
program=$1
title='Tolvo （はめあい）   Ver 1.10'
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "the main window did not appear"
  exit 1
fi
echo "main window $window is mapped"
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers Escape
for _ in $(seq 1 50); do
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    trap - EXIT
    if [ "$status" -ne 0 ]; then
      echo "the program ended with status $status"
      exit 1
    fi
    echo "the program ended"
    exit 0
  fi
  sleep 0.1
done
echo "the program did not end on Escape"
exit 1
