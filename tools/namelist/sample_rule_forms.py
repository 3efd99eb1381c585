#!/usr/bin/env python3
"""Print a random sample of the list's rule forms for an independent rating.

The sample is drawn with Python's random.Random seeded with SEED below (or
--seed), from the rule lines (provenance rule:*) of the list in file order, so
the same list and seed always give the same sample.  Once a sample has been
rated and the list mended where it was found wanting, the next rating should
draw a fresh sample with a new seed: forms mended because they were sampled
say little of the rest.  Each line shows the English name, the
form, its provenance and the reading it was made from, which comes from the
file that `regenerate.sh --explain FILE` writes.

Usage:
    tools/namelist/regenerate.sh --explain READINGS.tsv
    tools/namelist/sample_rule_forms.py --explain READINGS.tsv [--count 150] [--seed N]
"""

from __future__ import annotations

import argparse
import random
from pathlib import Path

SEED = 20240917
REPO = Path(__file__).resolve().parents[2]


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--list", type=Path, default=REPO / "resources" / "namelist.txt")
    ap.add_argument("--explain", type=Path, required=True,
                    help="the readings file written by generate.py --explain")
    ap.add_argument("--count", type=int, default=150)
    ap.add_argument("--seed", type=int, default=SEED)
    args = ap.parse_args()

    readings: dict[tuple[str, str], str] = {}
    with open(args.explain, encoding="utf-8") as fh:
        for line in fh:
            eng, haw, _tag, source = line.rstrip("\n").split("\t", 3)
            readings[(eng, haw)] = source
    with open(args.list, encoding="utf-8") as fh:
        rule_lines = [ln.split("\t")[:3] for ln in fh.read().split("\n")
                      if ln.split("\t")[2].startswith("rule:")]
    sample = random.Random(args.seed).sample(rule_lines, args.count)
    print(f"# {args.count} of {len(rule_lines)} rule forms, random.Random({args.seed})")
    print("# English\tHawaiian\tprovenance\treading")
    for eng, haw, tag in sample:
        print(f"{eng}\t{haw}\t{tag}\t{readings.get((eng, haw), '?')}")


if __name__ == "__main__":
    main()
