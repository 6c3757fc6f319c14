#!/usr/bin/env bash
# Runs real-window tests (the skinned frame's unless a test filter is given)
# on a private X server (Xvfb, no window manager), where they screenshot it
# with ImageMagick's import. Exits 77 (skipped) when either is missing.
set -euo pipefail
tests=$1
filter=${2:-SkinFrameRealWindow.*}

command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 77; }
command -v import >/dev/null || { echo "ImageMagick's import is not installed: skipped"; exit 77; }

display=
for n in $(seq 91 160); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free X display: skipped"; exit 77; }

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$server" 2>/dev/null || { echo "Xvfb did not start: skipped"; exit 77; }
  sleep 0.1
done

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$tests" --gtest_filter="$filter"
