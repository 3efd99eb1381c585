#!/usr/bin/env bash
# Starts the built application on a private virtual X display and uses it as a user would: types a
# name, presses Return and waits for the results to be drawn (then takes a screenshot), opens Help
# and About from the Help menu by their access keys, and quits with Ctrl+Q from the About window.
# The application must exit with 0 and print nothing (in the sanitizer build that includes the leak
# report at exit). Every step waits for the window it needs to be visible, so a busy machine only
# makes the check slower.
#
# Usage: real_display_check.sh APP SCREENSHOT
set -euo pipefail
app=$1
screenshot=$2
source "$(dirname "$0")/xvfb.sh"

fail() {
    echo "$1"
    cat "$xvfb_tmp/app.log"
    exit 1
}

xvfb_start
"$app" >"$xvfb_tmp/app.log" 2>&1 &
pid=$!
xvfb_track "$pid"
main=$(xvfb_window '^Quillora$')
[ -n "$main" ] || fail "no window titled Quillora appeared"

# The results area, before and after the search; it changes once the rows are drawn.
results_area() { import -window "$main" -crop 400x150+0+140 ppm:- | md5sum; }
before=$(results_area)
xdotool windowfocus --sync "$main" type --delay 40 'Kathy'
xdotool key Return
deadline=$((SECONDS + 30))
while [ "$(results_area)" = "$before" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "no results were drawn after Return"
    sleep 0.1
done
sleep 0.2
import -window root -crop 420x560+0+0 "$screenshot"

# Help, then About, through the menu's access keys; each waits for the menu to open.
open_from_help_menu() {
    local menus_expected=$1 key=$2
    xdotool windowfocus --sync "$main" key alt+h
    xvfb_windows "$menus_expected" || fail "the Help menu did not open"
    xdotool key "$key"
}
open_from_help_menu 2 h
help=$(xvfb_window '^Help$')
[ -n "$help" ] || fail "no window titled Help appeared"
open_from_help_menu 3 a
about=$(xvfb_new_window "$main" "$help") || fail "the About window did not appear"

# Quit from the window in front (the About window shows no menu bar; the shortcut still works).
xdotool windowfocus --sync "$about" key ctrl+q
deadline=$((SECONDS + 30))
while kill -0 "$pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the application did not quit on Ctrl+Q"
    sleep 0.1
done
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the application exited with status $status"
# Nothing but the desktop's own notices may appear on the way out.
if grep -v -E 'propagateSizeHints' "$xvfb_tmp/app.log" | grep -q .; then
    fail "the application printed warnings:"
fi
echo "screenshot: $screenshot"
