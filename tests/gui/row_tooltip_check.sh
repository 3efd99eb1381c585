#!/usr/bin/env bash
# A result row explains itself on the real display: on a private Xvfb display, with the AT-SPI bus
# on a private D-Bus session, the program searches for David, the pointer rests on the Kawika row,
# and the tooltip that opens must name the Hawaiian Bible. row_tooltip_check.py reads the tooltip
# through AT-SPI, as a screen reader would, and takes a screenshot while it is open. Every step
# waits for what it needs. Skipped (status 77) when the AT-SPI tools are missing.
#
# Usage: row_tooltip_check.sh APP SCREENSHOT
set -euo pipefail
source "$(dirname "$0")/atspi_session.sh"
atspi_session "$0" "$@"
atspi_start_app "$1"
xdotool windowfocus --sync "$atspi_window" type --delay 40 'David'
xdotool key Return
atspi_run row_tooltip_check.py "$2"
echo "screenshot: $2"
