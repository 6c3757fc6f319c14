#!/usr/bin/env bash
# Starts the Carolune program itself on the X server of DISPLAY (run by
# tests/skin/frame-xvfb.sh, which passes a test filter that does not matter
# here) with an options store of its own, waits for its window, screenshots
# it and ends it. The program must link the conversion library by import.
set -euo pipefail
program=${CAROLUNE_PROGRAM:?the program to start}
readelf -d "$program" | grep -q 'NEEDED.*\[libPelmora.so\]' || { echo "Carolune does not link libPelmora.so"; exit 1; }

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME=$config ASAN_OPTIONS=detect_leaks=0 "$program" &
pid=$!
shown=
for _ in $(seq 200); do
  if xwininfo -root -tree | grep -q '"Carolune v1.01"'; then shown=1; break; fi
  kill -0 "$pid" 2>/dev/null || { echo "Carolune ended before it showed its window"; exit 1; }
  sleep 0.1
done
[ -n "$shown" ] || { kill "$pid"; echo "no window titled Carolune v1.01"; exit 1; }
sleep 0.5
shots=$(dirname "$program")/../shots
mkdir -p "$shots"
import -window root "$shots/carolune-program.png"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "Carolune showed its window"
