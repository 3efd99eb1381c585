#!/usr/bin/env bash
# Names per second of quillora-lookup reading names from standard input and writing to
# /dev/null: a search of the bundled list (--tsv -) and the phonetic key (--key -).
#
#   bench/lookup_throughput.sh [LOOKUP_BINARY] [NAMES]
#
# LOOKUP_BINARY defaults to build/release/cli/quillora-lookup, NAMES to 200000. The names are
# the English names of the bundled list in turn, each also with its last letter doubled (a
# near spelling), so the search meets exact matches, sound-alikes and near spellings.
set -euo pipefail
cd "$(dirname "$0")/.."
lookup="${1:-build/release/cli/quillora-lookup}"
count="${2:-200000}"

names=$(mktemp -t quillora-names.XXXXXX)
trap 'rm -f "$names"' EXIT
cut -f1 resources/namelist.txt | awk -v count="$count" '
    { name[NR] = $0 }
    END {
        for (i = 0; i < count; i++) {
            n = name[int(i / 2) % NR + 1]
            print (i % 2 == 0) ? n : n substr(n, length(n))
        }
    }' >"$names"

measure() {
    local start end
    start=$(date +%s.%N)
    "$lookup" "$@" - <"$names" >/dev/null
    end=$(date +%s.%N)
    awk -v n="$count" -v s="$start" -v e="$end" -v what="$*" \
        'BEGIN { printf "%-8s %9d names in %6.3f s: %10.0f names/s\n", what, n, e - s, n / (e - s) }'
}
measure --tsv
measure --key
