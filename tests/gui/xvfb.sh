# Shared by the checks that run the program on a real X display; source it from bash.
#
# xvfb_start         starts a private Xvfb on a display number that Xvfb picks itself and reports
#                    once it accepts clients, and exports DISPLAY; XDG_RUNTIME_DIR becomes a fresh
#                    private folder. At exit every process started with xvfb_track, then Xvfb, is
#                    stopped, and the temporary folder goes.
# xvfb_track PID     stops PID at exit, before Xvfb.
# xvfb_window TITLE  waits (up to 30 s) until a window whose title matches the regular expression
#                    TITLE is mapped and visible, and prints its id: a window must be visible
#                    before it can take the keyboard focus.
# xvfb_windows N     waits (up to 30 s) until the program shows at least N visible windows, its
#                    open menus included.
# xvfb_new_window ID...  waits (up to 30 s) until the program shows a visible window, not a menu,
#                    that is none of the given ones, and prints its id.

xvfb_tmp=$(mktemp -d "${TMPDIR:-/tmp}/quillora-xvfb.XXXXXX")
xvfb_pid=""
xvfb_tracked=()

xvfb_cleanup() {
    local pid
    # What the processes end with is of no interest here; the check's own status stands.
    for pid in "${xvfb_tracked[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    if [ -n "$xvfb_pid" ]; then
        # Waiting lets Xvfb remove its socket and lock file.
        kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$xvfb_tmp"
}
trap xvfb_cleanup EXIT

xvfb_track() {
    xvfb_tracked+=("$1")
}

xvfb_start() {
    mkfifo "$xvfb_tmp/displayfd"
    Xvfb -displayfd 3 -screen 0 640x640x24 -nolisten tcp 3>"$xvfb_tmp/displayfd" \
        >"$xvfb_tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local number=""
    read -r -t 30 number <"$xvfb_tmp/displayfd" || true
    if [ -z "$number" ]; then
        echo "Xvfb did not start:"
        cat "$xvfb_tmp/xvfb.log"
        exit 1
    fi
    export DISPLAY=":$number"
    mkdir -m 700 "$xvfb_tmp/runtime"
    export XDG_RUNTIME_DIR="$xvfb_tmp/runtime"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

xvfb_window() {
    timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

xvfb_windows() {
    local deadline=$((SECONDS + 30))
    while [ "$(xdotool search --onlyvisible --class quillora 2>/dev/null | wc -l)" -lt "$1" ]; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

xvfb_new_window() {
    local deadline=$((SECONDS + 30)) id
    while [ "$SECONDS" -lt "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --class quillora 2>/dev/null); do
            case " $* " in *" $id "*) continue ;; esac
            if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_NORMAL; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.05
    done
    return 1
}
