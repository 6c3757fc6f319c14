#!/usr/bin/env bash
# Runs real-window tests (the skinned frame's unless a test filter is given)
# on a private X server (Xvfb), where they screenshot it with ImageMagick's
# import and drive its pointer and keys with xdotool, as a person would.
# With --window-manager, openbox manages the windows there, as on a desktop.
# A missing tool is a failure, not a skip: scripts/setup-deps.sh installs them.
#   frame-xvfb.sh [--window-manager] TESTS [GTEST-FILTER]
set -euo pipefail
manager=
if [ "${1:-}" = --window-manager ]; then manager=openbox; shift; fi
tests=$1
filter=${2:-SkinFrameRealWindow.*}

for tool in Xvfb import xdotool xwininfo xprop $manager; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/setup-deps.sh installs it)"; exit 1; }
done

# The server picks a free display itself and writes its number to a file,
# so parallel runs (here or in another checkout) never share one.
numberfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
server=$!
managerpid=
cleanup() {
  [ -n "$managerpid" ] && kill "$managerpid" 2>/dev/null || true
  kill "$server" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -f "$numberfile"
}
trap cleanup EXIT
display=
for _ in $(seq 100); do
  display=$(tr -dc 0-9 <"$numberfile")
  [ -n "$display" ] && [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$server" 2>/dev/null || { echo "Xvfb did not start"; exit 1; }
  sleep 0.1
done
[ -n "$display" ] || { echo "Xvfb gave no display"; exit 1; }
export DISPLAY=":$display"

# The manager is ready once it names itself on the root window. On a busy
# machine it now and then gives up at once on a display that has just come
# up; it is started again then, and what it said is shown if it never holds.
start_manager() {
  "$manager" --sm-disable >"$managerlog" 2>&1 &
  managerpid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$managerpid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
if [ -n "$manager" ]; then
  managerlog=$(mktemp)
  started=
  for attempt in 1 2 3; do
    if start_manager; then started=1; break; fi
    kill "$managerpid" 2>/dev/null || true
    sleep 0.5
  done
  [ -n "$started" ] || { echo "$manager did not take the screen:"; cat "$managerlog"; rm -f "$managerlog"; exit 1; }
  rm -f "$managerlog"
fi

QT_QPA_PLATFORM=xcb "$tests" --gtest_filter="$filter"
