#!/usr/bin/env bash
# The program as a screen reader meets it: under a private D-Bus session with the AT-SPI bus, on a
# private Xvfb display, atspi_check.py finds the name field, the Find button and the results list
# by their names, searches through AT-SPI and reads the rows. Skipped (status 77) when the AT-SPI
# tools are missing.
#
# Usage: atspi_check.sh APP
set -euo pipefail
app=$1
here=$(dirname "$0")

skip() {
    echo "SKIPPED: $1"
    exit 77
}

if [ -z "${QUILLORA_ATSPI_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is missing (package dbus)"
    [ -x /usr/libexec/at-spi-bus-launcher ] \
        || skip "/usr/libexec/at-spi-bus-launcher is missing (package at-spi2-core)"
    # Debian's own Python has pyatspi; another python3 first on PATH may not.
    python=""
    for candidate in /usr/bin/python3 python3; do
        if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
            python=$candidate
            break
        fi
    done
    [ -n "$python" ] || skip "no python3 with pyatspi (package python3-pyatspi)"
    QUILLORA_ATSPI_SESSION=1 QUILLORA_ATSPI_PYTHON=$python \
        exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi

source "$here/xvfb.sh"
xvfb_start
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$xvfb_tmp/bus.log" 2>&1 &
xvfb_track $!

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" >"$xvfb_tmp/app.log" 2>&1 &
xvfb_track $!
if [ -z "$(xvfb_window '^Quillora$')" ]; then
    echo "no window titled Quillora appeared"
    cat "$xvfb_tmp/app.log"
    exit 1
fi
if ! timeout 90 "$QUILLORA_ATSPI_PYTHON" "$here/atspi_check.py"; then
    cat "$xvfb_tmp/app.log"
    exit 1
fi
