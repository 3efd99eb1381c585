#!/usr/bin/env bash
# Starts the built application on a virtual X display, finds its window by title, types a name,
# presses Return, takes a screenshot, opens Help and About from the Help menu by their access keys
# and quits with Ctrl+Q from the About window; the application must exit with 0 and print nothing
# (in the sanitizer build that includes the leak report at exit).
#
# Usage: real_display_check.sh APP SCREENSHOT
set -euo pipefail
app=$1
screenshot=$2

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "missing $tool (packages xvfb, xdotool, imagemagick)"; exit 1; }
done

display=":$((90 + RANDOM % 500))"
Xvfb "$display" -screen 0 640x640x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
log=$(mktemp)
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
    rm -f "$log"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

XDG_RUNTIME_DIR=$(mktemp -d) "$app" >"$log" 2>&1 &
pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Quillora$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no window titled Quillora appeared"; cat "$log"; exit 1; }

xdotool windowfocus --sync "$window"
sleep 0.3
xdotool type --delay 40 'Kathy'
xdotool key Return
sleep 0.8
import -window root -crop 420x560+0+0 "$screenshot"

# Help, then About, through the menu's access keys.
for item in h a; do
    xdotool windowfocus --sync "$window"
    xdotool key alt+h
    sleep 0.3
    xdotool key "$item"
    sleep 0.8
done
for title in '^Help$'; do
    xdotool search --name "$title" >/dev/null || { echo "no window titled ${title} appeared"; exit 1; }
done
[ "$(xdotool search --class quillora | wc -l)" -ge 3 ] || { echo "the About window did not appear"; exit 1; }

# Quit from the window in front (the About window shows no menu bar; the shortcut still works).
xdotool key ctrl+q
status=0
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the application did not quit on Ctrl+Q"
    exit 1
fi
wait "$pid" || status=$?
pid=""
if [ "$status" -ne 0 ]; then
    echo "the application exited with status $status"
    cat "$log"
    exit 1
fi
# Nothing but the desktop's own notices may appear on the way out.
if grep -v -E 'XDG_RUNTIME_DIR|propagateSizeHints' "$log" | grep -q .; then
    echo "the application printed warnings:"
    cat "$log"
    exit 1
fi
echo "screenshot: $screenshot"
