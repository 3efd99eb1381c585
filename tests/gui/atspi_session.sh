# Shared by the checks that read the program through AT-SPI, as a screen reader does; source it
# from bash.
#
# atspi_session SCRIPT ARGS...  when not yet in a private D-Bus session: skips the check (status
#                    77), saying why, when the AT-SPI tools are missing, and otherwise runs SCRIPT
#                    with ARGS again in a private session, never returning. In the session it
#                    returns, with QUILLORA_ATSPI_PYTHON naming a python3 that has pyatspi.
# atspi_start_app APP  starts a private Xvfb display (xvfb.sh), the AT-SPI bus and APP with its
#                    accessibility on, and waits for its main window, whose id it puts in
#                    atspi_window; stops the check (status 1) when none appears.
# atspi_run CHECK.py ARGS...  runs the Python check beside this file (up to 90 s); when it fails,
#                    prints the program's output and stops the check (status 1).

atspi_here=$(dirname "${BASH_SOURCE[0]}")
atspi_window=""

atspi_session() {
    [ -z "${QUILLORA_ATSPI_SESSION:-}" ] || return 0
    local script=$1
    shift
    command -v dbus-run-session >/dev/null || atspi_skip "dbus-run-session is missing (package dbus)"
    [ -x /usr/libexec/at-spi-bus-launcher ] \
        || atspi_skip "/usr/libexec/at-spi-bus-launcher is missing (package at-spi2-core)"
    # Debian's own Python has pyatspi; another python3 first on PATH may not.
    local python="" candidate
    for candidate in /usr/bin/python3 python3; do
        if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
            python=$candidate
            break
        fi
    done
    [ -n "$python" ] || atspi_skip "no python3 with pyatspi (package python3-pyatspi)"
    QUILLORA_ATSPI_SESSION=1 QUILLORA_ATSPI_PYTHON=$python \
        exec dbus-run-session -- bash "$script" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
}

atspi_skip() {
    echo "SKIPPED: $1"
    exit 77
}

atspi_start_app() {
    local app=$1
    # Sourced only here, in the session: its clean-up runs when the session's script ends.
    source "$atspi_here/xvfb.sh"
    xvfb_start
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$xvfb_tmp/bus.log" 2>&1 &
    xvfb_track $!
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" >"$xvfb_tmp/app.log" 2>&1 &
    xvfb_track $!
    atspi_window=$(xvfb_window '^Quillora$')
    if [ -z "$atspi_window" ]; then
        echo "no window titled Quillora appeared"
        cat "$xvfb_tmp/app.log"
        exit 1
    fi
}

atspi_run() {
    local check=$1
    shift
    if ! timeout 90 "$QUILLORA_ATSPI_PYTHON" -B "$atspi_here/$check" "$@"; then
        cat "$xvfb_tmp/app.log"
        exit 1
    fi
}
