#!/usr/bin/env python3
"""List the names that may be other spellings of a curated name: a name of the
list whose English reading (CMU dictionary entry or espeak-ng reading) is
the same sounds as a curated name's, and whose spelling is close to it
(Catharine, Johnathon, Rebeca).  Sounding alike is not enough (Kristen and
Kirsten, Jon and Jan differ in origin or in sex), so each candidate is
reviewed by hand; the accepted ones go into related.tsv with the relation
"spelling".

Usage: variant_candidates.py --ssa us-name-data.sqlite --cmudict dict.txt
Output: "name<TAB>curated name<TAB>births", most given first.
"""

from __future__ import annotations

import argparse
from pathlib import Path

import generate
from sources import capitalise, ipa_to_arpa, load_cmudict, load_espeak_cache, load_ssa, ranked

HERE = Path(__file__).resolve().parent


def distance(a: str, b: str) -> int:
    prev = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        cur = [i]
        for j, cb in enumerate(b, 1):
            cur.append(min(prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (ca != cb)))
        prev = cur
    return prev[-1]


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--ssa", required=True, type=Path)
    ap.add_argument("--cmudict", required=True, type=Path)
    args = ap.parse_args()
    totals = load_ssa(args.ssa)
    cmu = load_cmudict(args.cmudict)
    espeak = load_espeak_cache(HERE / "espeak-cache.tsv")

    def sounds(name: str) -> set[tuple[str, ...]]:
        out = {tuple(p) for p in cmu.get(name, [])}
        if ("en-us", name) in espeak:
            out.add(tuple(ipa_to_arpa(espeak[("en-us", name)].ipa)))
        return out

    curated = sorted({r.english.lower() for r in generate.load_curated(HERE / "curated.tsv")})
    by_sound: dict[tuple[str, ...], set[str]] = {}
    for c in curated:
        for s in sounds(c):
            by_sound.setdefault(s, set()).add(c)
    done = {r[0].lower() for r in generate.load_related(HERE / "related.tsv")}
    for name in ranked(totals):
        if totals[name] < generate.MIN_BIRTHS_CMU or name in curated or name in done:
            continue
        matches = sorted({c for s in sounds(name) for c in by_sound.get(s, ())
                          if distance(c, name) <= max(2, len(c) // 3)})
        for c in matches:
            print(f"{capitalise(name)}\t{capitalise(c)}\t{totals[name]}")


if __name__ == "__main__":
    main()
