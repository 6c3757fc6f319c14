#!/usr/bin/env bash
# Runs real-window tests (the skinned frame's unless a test filter is given)
# on a private X server (Xvfb, no window manager), where they screenshot it
# with ImageMagick's import. Exits 77 (skipped) when either is missing.
set -euo pipefail
tests=$1
filter=${2:-SkinFrameRealWindow.*}

command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 77; }
command -v import >/dev/null || { echo "ImageMagick's import is not installed: skipped"; exit 77; }

# The server picks a free display itself and writes its number to a file,
# so parallel runs (here or in another checkout) never share one.
numberfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$numberfile"' EXIT
display=
for _ in $(seq 100); do
  display=$(tr -dc 0-9 <"$numberfile")
  [ -n "$display" ] && [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$server" 2>/dev/null || { echo "Xvfb did not start: skipped"; exit 77; }
  sleep 0.1
done
[ -n "$display" ] || { echo "Xvfb gave no display: skipped"; exit 77; }

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$tests" --gtest_filter="$filter"
