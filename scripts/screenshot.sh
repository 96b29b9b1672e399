#!/usr/bin/env bash
# Runs on a virtual display (under xvfb-run): starts the program, waits for its window, saves a
# picture of the screen and asks the window to close with Esc.
set -u
exe=$1
picture=$2
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/cmake/wine-run.sh" "$exe" &
program=$!
window=""
for _ in $(seq 1 120); do
  window=$(xdotool search --name "^Registry Values$" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "The window did not appear within 60 s." >&2
  kill "$program" 2>/dev/null
  exit 1
fi
sleep 2  # let the statuses and the backup finish
import -window root "$picture"
xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key --window "$window" Escape
for _ in $(seq 1 40); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.25
done
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null
exit 0
