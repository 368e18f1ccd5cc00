#!/bin/sh
# Runs a program on a virtual 1024 x 768 screen of its own, under the openbox window manager with
# its stock configuration, so that windows get the frames a desktop gives them.
# Usage: run-under-wm.sh program [arguments...]
set -eu

for tool in Xvfb openbox xprop xwininfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing: install the packages of scripts/packages.txt" >&2
    exit 1
  fi
done

work=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
tries=0
until [ -s "$work/display" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done
DISPLAY=:$(cat "$work/display")
export DISPLAY

# A configuration folder of its own keeps a user's openbox settings out of the run.
XDG_CONFIG_HOME="$work/config" openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# The manager is ready once it has announced itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$wm_pid" 2>/dev/null; then
    echo "openbox did not start:" >&2
    cat "$work/openbox.log" >&2
    exit 1
  fi
  sleep 0.1
done

QT_QPA_PLATFORM=xcb "$@"
