#!/usr/bin/env bash
# The program and a display that fails it: a DISPLAY with no X server behind it gives a message
# that names the display and status 1; an X server that goes away under the running program, with
# the Help window open, ends it within 5 seconds with status 1 and no signal.
#
# Usage: display_failure_check.sh APP
set -euo pipefail
app=$1
source "$(dirname "$0")/xvfb.sh"

# A display number with neither a socket nor a lock file: no X server answers there.
number=4000
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
status=0
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$number" XDG_RUNTIME_DIR="$xvfb_tmp" \
    timeout 30 "$app" >"$xvfb_tmp/nodisplay.log" 2>&1 || status=$?
if [ "$status" -ne 1 ] || ! grep -q "cannot open the display (DISPLAY=:$number)" "$xvfb_tmp/nodisplay.log"; then
    echo "DISPLAY=:$number without a server: status $status (expected 1 and a message naming it):"
    cat "$xvfb_tmp/nodisplay.log"
    exit 1
fi
echo "no server on :$number: status 1, $(head -n 1 "$xvfb_tmp/nodisplay.log")"

xvfb_start
# Qt ends the process with exit() while every window is alive, so in the sanitizer build the leak
# checker would report the live objects of a running program (fontconfig's among them), not leaks.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$app" >"$xvfb_tmp/app.log" 2>&1 &
pid=$!
xvfb_track "$pid"
window=$(xvfb_window '^Quillora$')
[ -n "$window" ] || { echo "no window titled Quillora appeared"; cat "$xvfb_tmp/app.log"; exit 1; }
xdotool windowfocus --sync "$window" key alt+h
xvfb_windows 2 || { echo "the Help menu did not open"; exit 1; }
xdotool key h
[ -n "$(xvfb_window '^Help$')" ] || { echo "the Help window did not appear"; exit 1; }

# The session ends: the X server goes away.
kill "$xvfb_pid"
start=$(date +%s%N)
while kill -0 "$pid" 2>/dev/null && [ $(($(date +%s%N) - start)) -lt 5000000000 ]; do
    sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program still runs 5 s after its X server went away"
    exit 1
fi
status=0
wait "$pid" || status=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
if [ "$status" -ne 1 ]; then
    echo "after its X server went away the program ended with status $status (expected 1)"
    cat "$xvfb_tmp/app.log"
    exit 1
fi
echo "X server gone: status 1 after ${elapsed_ms} ms"
