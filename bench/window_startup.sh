#!/usr/bin/env bash
# Milliseconds from starting the program to its main window being visible, on a private Xvfb.
#
#   bench/window_startup.sh [RUNS] [PROGRAM...]
#
# RUNS defaults to 30, PROGRAM to build/release/app/quillora. Given two programs (for example
# the builds of two versions), the runs alternate between them, so a machine that gets busier
# or quieter during the measurement weighs on both alike. Prints the median, least and most
# time of each program.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-30}"
shift || true
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(build/release/app/quillora)

source tests/gui/xvfb.sh
xvfb_start

times=$(mktemp -t quillora-startup.XXXXXX)
trap 'rm -f "$times"; xvfb_cleanup' EXIT

for ((run = 0; run < runs; run++)); do
    for program in "${programs[@]}"; do
        start=$(date +%s%N)
        "$program" >/dev/null 2>&1 &
        pid=$!
        until xdotool search --onlyvisible --name '^Quillora$' >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || { echo "$program ended before its window showed" >&2; exit 1; }
        done
        end=$(date +%s%N)
        echo "$program $(((end - start) / 1000000))" >>"$times"
        kill "$pid" && wait "$pid" 2>/dev/null || true
    done
done

for program in "${programs[@]}"; do
    awk -v p="$program" '$1 == p { print $2 }' "$times" | sort -n | awk -v p="$program" '
        { t[NR] = $1 }
        END { printf "%s: median %d ms, least %d ms, most %d ms (%d runs)\n",
                     p, t[int((NR + 1) / 2)], t[1], t[NR], NR }'
done
