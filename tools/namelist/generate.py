#!/usr/bin/env python3
"""Build resources/namelist.txt, the bundled English-Hawaiian name list.

Inputs (build time only; nothing here is shipped except the output):
  * U.S. Social Security baby-name counts (sqlite table usNameData),
  * the CMU Pronouncing Dictionary (dict.txt),
  * espeak-ng readings (English, Spanish, Portuguese) from espeak-cache.tsv,
    so that the output does not depend on the installed espeak-ng version;
    missing entries are read by espeak-ng and added to the cache,
  * the reviewed tables beside this file: curated.tsv (established forms),
    related.tsv (spellings and other forms of curated names),
    hawaiian-names.tsv (names that are already Hawaiian), romance.tsv (names
    read the Spanish or Portuguese way), readings.tsv (reviewed readings of
    names both pronunciation sources misread), screen.tsv (words no form may be),
    top-names-2020-2024.txt and top-names-without-form.tsv (names that must
    have a line, and the few reviewed exceptions).

Output: one line per pair, "English<TAB>Hawaiian<TAB>provenance<TAB>note<TAB>
modern", LF line ends, no line end after the last line.  Order: English names
by (casefolded name, name), both plain code point orders; within a name the
name itself when it is Hawaiian, then the curated forms in file order, then
the forms of related names, then the form made by rule.

Standard library only (Python 3.11).  The output is a pure function of the
inputs: every collection is sorted before it is written.
"""

from __future__ import annotations

import argparse
import re
import sys
from collections import Counter
from dataclasses import dataclass
from pathlib import Path

import rules
from sources import (ESPEAK_VOICES, VOWELS_ARPA, Espeak, capitalise, ipa_to_arpa,
                     ipa_to_arpa_stressed, load_cmudict, load_espeak_cache, load_ssa, ranked,
                     read_table, run_espeak, write_espeak_cache)

HERE = Path(__file__).resolve().parent

# --------------------------------------------------------------------------
# Selection of English names
# --------------------------------------------------------------------------
MIN_BIRTHS_ANY = 1500      # every name given at least this often
MIN_BIRTHS_CMU = 200       # rarer names need a dictionary pronunciation
# What the counts record for a child registered without a name: not names.
PLACEHOLDERS = {"baby", "babyboy", "babygirl", "female", "infant", "male", "notnamed",
                "unknown", "unnamed"}
# Initials written as a name (Aj, said ay-jay): said as letters, not a name to
# render; names of consonants only (Tj, Jr) are left out by the vowel test.
INITIALS = {"aj"}

TRAD_TAGS = {"trad:bible", "trad:usage", "trad:historic", "trad:meaning"}
HAW_TAG = "haw:name"
ROMANCE_VOICE = {"es": "es-419", "pt": "pt-br"}
REVIEWED_TAG = "rule:reviewed"
# the phones of the CMU dictionary: its vowels, the consonants the rules know, and the glide
ARPABET = VOWELS_ARPA | set(rules.CONS_TO_H) | {"Y"}


@dataclass
class Line:
    english: str
    hawaiian: str
    tag: str
    note: str = ""
    modern: str = ""

    def text(self) -> str:
        return "\t".join((self.english, self.hawaiian, self.tag, self.note, self.modern))


# --------------------------------------------------------------------------
# Reviewed tables
# --------------------------------------------------------------------------
_ENGLISH_NAME = re.compile(r"[A-Z][a-z]+(?:[-' ][A-Z][a-z]+)*")
_MODERN_LETTERS = re.compile(r"[A-Za-zĀĒĪŌŪāēīōūʻ -]+")


def plain(modern: str) -> str:
    """A modern spelling without okina and kahako."""
    return modern.translate(str.maketrans("āēīōūĀĒĪŌŪ", "aeiouAEIOU", "ʻ"))


# Established forms that keep a letter the Hawaiian Bible keeps for foreign
# names (Iesū, not Ieku); every other form uses Hawaiian letters only.
KEEPS_BIBLE_LETTER = {"Iesu": "s"}


def check_form(where: str, haw: str, modern: str) -> None:
    kept = KEEPS_BIBLE_LETTER.get(haw)
    problem = rules.hawaiian_problem(haw.replace(kept, "k") if kept else haw)
    if problem:
        raise SystemExit(f"{where}: {haw!r}: {problem}")
    if modern and (not _MODERN_LETTERS.fullmatch(modern) or plain(modern) != haw):
        raise SystemExit(f"{where}: modern spelling {modern!r} does not spell {haw!r}")


def load_curated(path: Path) -> list[Line]:
    rows = []
    for lineno, (eng, haw, tag, note, modern) in read_table(path, 3, 5):
        where = f"{path.name}:{lineno}"
        if tag not in TRAD_TAGS:
            raise SystemExit(f"{where}: unknown tag {tag!r}")
        if not _ENGLISH_NAME.fullmatch(eng):
            raise SystemExit(f"{where}: odd English name {eng!r}")
        check_form(where, haw, modern)
        rows.append(Line(eng, haw, tag, note, modern))
    return rows


def load_related(path: Path) -> list[tuple[str, str, str, list[str]]]:
    """(name, source name, relation, forms of the source to take or [] for all)."""
    rows = []
    for lineno, (eng, source, relation, forms) in read_table(path, 3, 4):
        if relation not in ("spelling", "via"):
            raise SystemExit(f"{path.name}:{lineno}: relation must be spelling or via")
        if not _ENGLISH_NAME.fullmatch(eng) or not _ENGLISH_NAME.fullmatch(source):
            raise SystemExit(f"{path.name}:{lineno}: odd English name")
        rows.append((eng, source, relation, forms.split() if forms else []))
    return rows


def load_hawaiian_names(path: Path) -> tuple[dict[str, tuple[str, str]], set[str]]:
    """The review of the names given in Hawaii: the names that are Hawaiian
    (lower case) -> (modern spelling, note), and the names found to be Japanese
    (lower case).  Romanised Japanese gives its vowels the values Hawaiian gives
    them, so such a name spelled with Hawaiian letters is its own form (Aiko,
    not an English reading of it)."""
    names: dict[str, tuple[str, str]] = {}
    japanese: set[str] = set()
    for lineno, (name, verdict, modern, note) in read_table(path, 2, 4):
        if verdict == "haw":
            check_form(f"{path.name}:{lineno}", capitalise(name), modern)
            names[name.lower()] = (modern, note)
        elif verdict == "not:japanese":
            japanese.add(name.lower())
        elif not verdict.startswith("not"):
            raise SystemExit(f"{path.name}:{lineno}: verdict must be haw or not:...")
    return names, japanese


def load_romance(path: Path) -> dict[str, str]:
    """Names read the Spanish or Portuguese way (lower case) -> es or pt."""
    names: dict[str, str] = {}
    for lineno, (name, lang, _note) in read_table(path, 2, 3):
        if lang not in ROMANCE_VOICE:
            raise SystemExit(f"{path.name}:{lineno}: language must be es or pt")
        names[name.lower()] = lang
    return names


def load_reviewed_readings(path: Path) -> dict[str, list[str]]:
    """Names both pronunciation sources misread (lower case) -> the reviewed
    reading, ARPAbet phones without stress.  A reading must fit the spelling as
    closely as any dictionary reading the list uses."""
    readings: dict[str, list[str]] = {}
    for lineno, (name, phones, _why) in read_table(path, 3, 3):
        where = f"{path.name}:{lineno}"
        low = name.lower()
        if not _ENGLISH_NAME.fullmatch(name) or low in readings:
            raise SystemExit(f"{where}: odd or repeated name {name!r}")
        ph = phones.split()
        if not ph or set(ph) - ARPABET:
            raise SystemExit(f"{where}: reading must be ARPAbet phones: {phones!r}")
        if rules.align_with_cost(low, ph)[1] > rules.MAX_ALIGN_COST_PER_LETTER * len(low):
            raise SystemExit(f"{where}: reading {phones!r} does not fit the spelling of {name}")
        readings[low] = ph
    return readings


@dataclass
class Screen:
    words: dict[str, str]                 # screened word -> meaning
    fragments: dict[str, str]             # screened piece -> meaning
    allow: dict[str, set[str]]            # word -> English names allowed to use it

    def hit(self, form: str) -> str | None:
        """The screened word or piece that `form` is or contains, if any."""
        low = form.lower()
        for w in re.split(r"[ -]", low):
            if w in self.words:
                return w
        for f in sorted(self.fragments):
            if f in low:
                return "~" + f
        return None


def load_screen(path: Path) -> Screen:
    screen = Screen({}, {}, {})
    for lineno, (word, category, meaning, _modern, allow) in read_table(path, 3, 5):
        if category == "unsure":
            continue
        key = word.lower()
        if key.startswith("~"):
            screen.fragments[key[1:]] = meaning
        else:
            screen.words[key] = meaning
        names = {a.strip() for a in re.split(r"[,;]", allow) if a.strip()}
        if names:
            screen.allow.setdefault(key, set()).update(names)
    return screen


def load_top_names(path: Path) -> list[str]:
    with open(path, encoding="utf-8") as fh:
        return [ln.strip() for ln in fh if ln.strip() and not ln.startswith("#")]


# --------------------------------------------------------------------------
# Readings and rule forms
# --------------------------------------------------------------------------
@dataclass
class Reading:
    tag: str            # rule:pron, rule:espeak, rule:es, rule:pt, rule:reviewed, rule:spell
    source: str         # the pronunciation, for the explanation file
    form: str
    second: tuple[str, ...] = ()     # the second-choice rules that made it


def english_readings(name: str, cmu: list[list[str]], espeak: Espeak | None,
                     stats: Counter) -> list[Reading]:
    """The English readings of `name`, the preferred one first.

    The dictionary's first entry is often a surname or a dated reading (Isla
    as "eela", Mila as "myla").  A second source decides: espeak-ng's own
    dictionary, which lists given names, wins; otherwise a later dictionary
    entry that espeak-ng agrees with; otherwise espeak-ng when the spelling
    agrees with it too; otherwise the dictionary's first entry."""
    readings: list[Reading] = []
    low = name.lower()
    limit = rules.MAX_ALIGN_COST_PER_LETTER * len(low)
    for phones in cmu:
        if rules.reads_as_initials(low, phones):
            stats["initials_reading_not_used"] += 1
        elif misfit := rules.convention_misfit(low, phones):
            stats[f"dictionary reading not used: {misfit}"] += 1
        elif rules.align_with_cost(low, phones)[1] <= limit:
            readings.append(Reading("rule:pron", " ".join(phones), rules.pron_form(low, phones)))
        else:
            stats["pronunciation_not_used"] += 1
    if espeak:
        stressed = ipa_to_arpa_stressed(espeak.ipa)
        phones = [ph for ph, _ in stressed]
        # a reading guessed from the spelling must fit it (espeak-ng's own
        # dictionary is trusted)
        misfit = None if espeak.listed or not phones else \
            rules.reading_misfit(low, phones, [st for _, st in stressed])
        if rules.reads_as_initials(low, phones):
            stats["initials_reading_not_used"] += 1
        elif misfit:
            stats[f"espeak reading not used: {misfit}"] += 1
        elif phones and rules.align_with_cost(low, phones)[1] <= limit:
            e = Reading("rule:espeak", espeak.ipa, rules.pron_form(low, phones))
            if readings and readings[0].form != e.form:
                agree = next((r for r in readings[1:] if r.form == e.form), None)
                # an overruled first entry is not offered as an alternative
                if espeak.listed:
                    stats["reading_from_espeak_dictionary"] += 1
                    readings = [e] + readings[1:]
                elif agree:
                    stats["reading_from_later_cmu_entry"] += 1
                    readings = [agree] + [r for r in readings[1:] if r is not agree]
                elif rules.spell_form(name) == e.form:
                    stats["reading_from_espeak_and_spelling"] += 1
                    readings = [e] + readings[1:]
                else:
                    readings.append(e)
            else:
                readings.append(e)
        elif phones:
            stats["pronunciation_not_used"] += 1
    return readings


def second_choices(name: str, r: Reading) -> list[Reading]:
    """The forms the second-choice rules make from reading `r`."""
    low = name.lower()
    if r.tag in ("rule:es", "rule:pt"):
        units = rules.units_from_romance(name, r.source)
    elif r.tag == "rule:espeak":
        units = rules.units_from_pron(low, ipa_to_arpa(r.source))
    elif r.tag in ("rule:pron", REVIEWED_TAG):
        units = rules.units_from_pron(low, r.source.split())
    else:
        units = rules.units_from_spelling(name)
    return [Reading(r.tag, r.source, rules.capitalise_form(rules.finish(units, opts)), opts)
            for opts in rules.SECOND_CHOICES]


def rule_candidates(name: str, cmu: dict[str, list[list[str]]],
                    espeak: dict[tuple[str, str], Espeak], romance: dict[str, str],
                    japanese: set[str], reviewed: dict[str, list[str]],
                    stats: Counter) -> list[Reading]:
    """The rule forms of `name` in order of preference: the form of each reading
    (the preferred reading first), then the second-choice forms."""
    low = name.lower()
    if low in reviewed:                  # a reviewed reading overrules the sources
        stats["reviewed_readings"] += 1
        phones = reviewed[low]
        readings = [Reading(REVIEWED_TAG, " ".join(phones), rules.pron_form(low, phones))]
    elif low in japanese and rules.hawaiian_problem(rules.capitalise_form(low)) is None:
        stats["japanese_name_spelled_as_itself"] += 1
        readings = [Reading("rule:spell", name, rules.capitalise_form(low))]
    elif low in romance:
        lang = romance[low]
        e = espeak[(ROMANCE_VOICE[lang], low)]
        readings = [Reading(f"rule:{lang}", e.ipa, rules.romance_form(name, e.ipa))]
    else:
        readings = english_readings(name, cmu.get(low, []), espeak.get(("en-us", low)), stats)
    if not readings:                     # no usable pronunciation: the spelling
        readings = [Reading("rule:spell", name, rules.spell_form(name))]
    out: list[Reading] = []
    for r in readings + [a for r in readings for a in second_choices(name, r)]:
        if not r.form:
            continue                     # no form without losing a syllable
        if r.form.lower().endswith("kaka") or (r.second and "kaka" in r.form.lower()):
            continue                     # the nursery word: no Polekaka (Beauregard), and
                                         # no Pukaka in place of Puka (Buster)
        if all(o.form != r.form for o in out):
            out.append(r)
    return out


# --------------------------------------------------------------------------
# Main
# --------------------------------------------------------------------------
def main(argv: list[str] | None = None) -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--ssa", required=True, type=Path, help="us-name-data.sqlite")
    ap.add_argument("--cmudict", required=True, type=Path, help="CMU dict.txt")
    ap.add_argument("--tables", type=Path, default=HERE,
                    help="folder of the reviewed tables and the espeak-ng cache")
    ap.add_argument("--screen", type=Path, help="screen.tsv (default: in --tables)")
    ap.add_argument("--hawaiian", type=Path,
                    help="hawaiian-names.tsv (default: in --tables)")
    ap.add_argument("--refresh-espeak", action="store_true",
                    help="read every needed name anew with espeak-ng and rewrite the cache")
    ap.add_argument("--out", required=True, type=Path)
    ap.add_argument("--explain", type=Path,
                    help="also write, for every rule line, the reading it was made from")
    args = ap.parse_args(argv)
    t = args.tables

    totals = load_ssa(args.ssa)
    cmu = load_cmudict(args.cmudict)
    curated = load_curated(t / "curated.tsv")
    related = load_related(t / "related.tsv")
    hawaiian, japanese = load_hawaiian_names(args.hawaiian or t / "hawaiian-names.tsv")
    romance = load_romance(t / "romance.tsv")
    reviewed = load_reviewed_readings(t / "readings.tsv")
    screen = load_screen(args.screen or t / "screen.tsv")
    top_names = load_top_names(t / "top-names-2020-2024.txt")
    top_without_form = {name for _, (name, _why) in
                         read_table(t / "top-names-without-form.tsv", 2, 2)}

    # names without a vowel letter are initials (Tj), not names to render
    selected = {n for n, b in totals.items()
                if n.isascii() and n.isalpha() and re.search(r"[aeiouy]", n)
                and n not in PLACEHOLDERS and n not in INITIALS
                and (b >= MIN_BIRTHS_ANY or (b >= MIN_BIRTHS_CMU and n in cmu))}
    selected |= {n.lower() for n in top_names} | set(romance)
    selected = sorted(selected)

    # espeak-ng readings: English for every name, Spanish or Portuguese for
    # the names read that way
    wanted = {("en-us", n) for n in selected} | \
        {(ROMANCE_VOICE[lang], n) for n, lang in romance.items()}
    cache_path = t / "espeak-cache.tsv"
    cache = {} if args.refresh_espeak else load_espeak_cache(cache_path)
    missing = sorted(wanted - set(cache))
    for voice in ESPEAK_VOICES:
        names = [n for v, n in missing if v == voice]
        if names:
            print(f"espeak-ng {voice}: reading {len(names)} names", file=sys.stderr)
            cache.update({(voice, n): e for n, e in run_espeak(voice, names).items()})
    if missing or args.refresh_espeak:
        write_espeak_cache(cache_path, {k: cache[k] for k in sorted(wanted)})

    stats: Counter = Counter()
    errors: list[str] = []
    lines: dict[str, list[Line]] = {}

    def add(line: Line) -> bool:
        forms = lines.setdefault(line.english, [])
        if any(x.hawaiian.lower() == line.hawaiian.lower() for x in forms):
            return False
        forms.append(line)
        return True

    # 1. names that are already Hawaiian: the name itself, first
    for n in sorted(hawaiian):
        modern, note = hawaiian[n]
        add(Line(capitalise(n), capitalise(n), HAW_TAG, note, modern))
    # 2. curated forms
    by_name: dict[str, list[Line]] = {}
    for row in curated:
        by_name.setdefault(row.english, []).append(row)
        add(row)
    # 3. spellings and other forms of curated names
    for eng, source, relation, only in related:
        if source not in by_name:
            raise SystemExit(f"related.tsv: {eng}: {source} has no curated form")
        note = f"spelling of {source}" if relation == "spelling" else f"via {source}"
        taken = [r for r in by_name[source] if not only or r.hawaiian in only]
        if len(taken) != len(only or taken):
            raise SystemExit(f"related.tsv: {eng}: {source} lacks one of {only}")
        for r in taken:
            stats["related_lines"] += add(Line(eng, r.hawaiian, r.tag, note, r.modern))

    # the established forms and who owns them; screen the reviewed lines
    owners: dict[str, set[str]] = {}
    for eng, forms in lines.items():
        for x in forms:
            owners.setdefault(x.hawaiian.lower(), set()).add(eng)
            word = screen.hit(x.hawaiian)
            source = re.sub(r"^(?:spelling of|via) ", "", x.note)
            if word and not screen.allow.get(word, set()) & {eng, source}:
                errors.append(f"{x.tag} form {eng} -> {x.hawaiian} is screened ({word})")

    # 4. forms made by rule
    explain: list[str] = []
    unused_reviewed = set(reviewed)      # a reading no name needs is a stale row
    for n in selected:
        eng = capitalise(n)
        if n in hawaiian:
            continue                     # a Hawaiian name is not re-rendered
        if n.replace("y", "i") in hawaiian and not n.endswith("ey"):
            # a Hawaiian name spelled with y (Leilany, Kaylani): an English
            # reading would distort it (Lelani), and the program's own
            # letter-by-letter row already writes it as the Hawaiian name;
            # a final ey is the English ee ending (Kaley, not Kalei)
            stats["Hawaiian name spelled with y: no rule form"] += 1
            continue
        if lines.get(eng):
            stats["names_with_established_form_only"] += 1
            continue                     # an established form needs no rule form
        unused_reviewed.discard(n)
        readings = rule_candidates(eng, cmu, cache, romance, japanese, reviewed, stats)
        if readings and readings[0].tag in ("rule:es", "rule:pt"):
            stats["romance_readings"] += 1
        kept, first_fault = None, None
        for r in readings:
            problem = rules.hawaiian_problem(r.form)
            if problem:
                raise SystemExit(f"rule form {eng} -> {r.form}: {problem}")
            # ei and ou written for e and o only respell a word (Maiya: Meia for mea)
            # (a reviewed reading says them as two vowels: Keiko is ke-i-ko)
            plain_vowels = r.form.lower().replace("ei", "e").replace("ou", "o")
            fault = ("stutters" if rules.stutters(r.form) else
                     "screened" if screen.hit(r.form) else
                     "another name's established form" if r.form.lower() in owners else
                     "respells a screened word or an established form"
                     if r.tag != REVIEWED_TAG and plain_vowels != r.form.lower() and
                     (screen.hit(plain_vowels) or plain_vowels in owners) else None)
            if fault is None:
                kept = r
                break
            first_fault = first_fault or fault
        spelt = n.replace("y", "i")
        if kept and spelt.endswith("lani") and kept.form.lower() != spelt \
                and rules.hawaiian_problem(capitalise(spelt)) is None:
            # a name written in Hawaiian letters that ends in lani (heaven),
            # as Hawaiian names do, is a Hawaiian-style name (Meilani,
            # Ailani): its own letters are its form, and the program's
            # letter-by-letter row shows them; an English reading distorts it
            # (Melani, Elani)
            stats["Hawaiian-style name in -lani: no re-rendered form"] += 1
            continue
        if first_fault:
            how = ("dropped" if kept is None else
                   "replaced by a second-choice form" if kept.second else
                   "replaced by another reading's form")
            stats[f"first form {first_fault}: {how}"] += 1
        if kept:
            add(Line(eng, kept.form, kept.tag))
            how = f" (second choice: {', '.join(kept.second)})" if kept.second else ""
            explain.append(f"{eng}\t{kept.form}\t{kept.tag}\t{kept.source}{how}")

    out_lines: list[str] = []
    warnings: list[str] = []
    for eng in sorted(lines, key=lambda e: (e.casefold(), e)):
        for x in lines[eng]:
            if rules.many_vowels(x.hawaiian):
                warnings.append(f"{eng}: {x.hawaiian} has 4+ vowels in a row")
            out_lines.append(x.text())
    present = {e.lower() for e in lines if lines[e]}
    for name in top_names:
        if name.lower() not in present and name not in top_without_form:
            errors.append(f"frequent name {name} has no line")
    errors += [f"readings.tsv: {capitalise(n)} is not a name the list renders by rule"
               for n in sorted(unused_reviewed)]
    if errors:
        raise SystemExit("\n".join(errors))
    if len(set(out_lines)) != len(out_lines):
        raise SystemExit("duplicate lines")
    args.out.parent.mkdir(parents=True, exist_ok=True)
    with open(args.out, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("\n".join(out_lines))
    if args.explain:
        with open(args.explain, "w", encoding="utf-8", newline="\n") as fh:
            fh.write("\n".join(explain) + "\n")

    # report
    tags = Counter(line.split("\t")[2] for line in out_lines)
    order = ranked(totals)
    print(f"names selected: {len(selected)}; Hawaiian names: {len(hawaiian)}")
    print(f"lines: {len(out_lines)} for {len(present)} English names")
    for tag in sorted(tags):
        print(f"  {tag}: {tags[tag]}")
    for top in (500, 1000, 5000):
        have = sum(1 for k in order[:top] if k in present)
        print(f"coverage of top {top}: {have}/{top} = {100.0 * have / top:.1f}%")
    print(f"top names 2020-2024: {sum(n.lower() in present for n in top_names)}"
          f"/{len(top_names)} have a line")
    for key in sorted(stats):
        print(f"{key}: {stats[key]}")
    print(f"warnings (4+ vowels in a row): {len(warnings)}")
    for w in warnings:
        print(f"  warning: {w}", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
