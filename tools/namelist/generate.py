#!/usr/bin/env python3
"""Build resources/namelist.txt, the bundled English-Hawaiian name list.

Inputs (build time only, nothing here is shipped except the output):
  * U.S. Social Security baby-name counts (sqlite table usNameData),
  * the CMU Pronouncing Dictionary (dict.txt),
  * espeak-ng pronunciations for names the dictionary lacks, read from a
    cache file (espeak-cache.tsv) so that the output does not depend on the
    installed espeak-ng version; missing entries are produced by espeak-ng,
  * curated.tsv, the reviewed traditional forms,
  * blocklist.txt, Hawaiian words a generated form must not be.

Output: one line per pair, "English<TAB>Hawaiian<TAB>provenance", LF line
ends, no line end after the last line.  Order: English names by
(casefolded name, name), both plain code point orders; within a name the
curated forms in file order, then the form from the pronunciation, then the
form from the spelling.

Standard library only (Python 3.11).  The output is a pure function of the
inputs: every collection is sorted before it is written.
"""

from __future__ import annotations

import argparse
import re
import sqlite3
import subprocess
import sys
from collections import Counter
from dataclasses import dataclass, field
from pathlib import Path

HERE = Path(__file__).resolve().parent

# --------------------------------------------------------------------------
# Selection of English names
# --------------------------------------------------------------------------
MIN_BIRTHS_ANY = 2000      # every name given at least this often
MIN_BIRTHS_CMU = 200       # rarer names need a dictionary pronunciation
MAX_RULE_FORMS = 2         # forms made by rule for one name, at most


def load_ssa(path: Path) -> dict[str, int]:
    """Total births per name over all years and both sexes (keys lower case)."""
    con = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    try:
        rows = con.execute(
            "SELECT name, SUM(births) FROM usNameData GROUP BY name").fetchall()
    finally:
        con.close()
    totals: dict[str, int] = {}
    for name, births in rows:
        key = name.strip().lower()
        if key:
            totals[key] = totals.get(key, 0) + int(births)
    return totals


def capitalise(name: str) -> str:
    return name[:1].upper() + name[1:].lower()


# --------------------------------------------------------------------------
# Pronunciations
# --------------------------------------------------------------------------
VOWELS_ARPA = {"AA", "AE", "AH", "AO", "AW", "AY", "EH", "ER", "EY",
               "IH", "IY", "OW", "OY", "UH", "UW"}


def load_cmudict(path: Path) -> dict[str, list[str]]:
    """First pronunciation of every plain alphabetic word, stress removed."""
    pron: dict[str, list[str]] = {}
    with open(path, encoding="latin-1") as fh:
        for line in fh:
            if not line.strip() or line.startswith(";;;"):
                continue
            word, _, phones = line.strip().partition(" ")
            if "(" in word:          # alternative pronunciations: keep the first
                continue
            w = word.lower()
            if not w.isalpha() or not w.isascii():
                continue
            pron[w] = [re.sub(r"\d", "", p) for p in phones.split()]
    return pron


# espeak-ng IPA (en-us) to ARPAbet.  Keys are phoneme tokens as printed with
# --ipa --sep=_ after stress marks are removed.
IPA_TO_ARPA = {
    "ə": ["AH"], "ɐ": ["AH"], "ʌ": ["AH"], "ɚ": ["ER"], "ɜː": ["ER"], "ɜ": ["ER"],
    "æ": ["AE"], "a": ["AA"], "ɑː": ["AA"], "ɑ": ["AA"], "ɔː": ["AO"], "ɔ": ["AO"],
    "ɛ": ["EH"], "e": ["EH"], "ɪ": ["IH"], "ᵻ": ["IH"], "i": ["IY"], "iː": ["IY"],
    "ʊ": ["UH"], "u": ["UW"], "uː": ["UW"], "o": ["OW"], "oː": ["OW"],
    "eɪ": ["EY"], "aɪ": ["AY"], "aʊ": ["AW"], "oʊ": ["OW"], "ɔɪ": ["OY"],
    "iə": ["IY", "AH"], "aɪə": ["AY", "AH"], "aɪɚ": ["AY", "ER"],
    "ɑːɹ": ["AA", "R"], "ɔːɹ": ["AO", "R"], "oːɹ": ["AO", "R"], "ɛɹ": ["EH", "R"],
    "ɪɹ": ["IH", "R"], "ʊɹ": ["UH", "R"], "əl": ["AH", "L"], "n̩": ["AH", "N"],
    "l̩": ["AH", "L"],
    "p": ["P"], "b": ["B"], "t": ["T"], "d": ["D"], "k": ["K"], "ɡ": ["G"], "g": ["G"],
    "f": ["F"], "v": ["V"], "θ": ["TH"], "ð": ["DH"], "s": ["S"], "z": ["Z"],
    "ʃ": ["SH"], "ʒ": ["ZH"], "tʃ": ["CH"], "dʒ": ["JH"], "h": ["HH"], "x": ["HH"],
    "ç": ["HH"], "m": ["M"], "n": ["N"], "ŋ": ["NG"], "l": ["L"], "ɹ": ["R"],
    "r": ["R"], "w": ["W"], "ʍ": ["W"], "j": ["Y"], "ɾ": ["T"], "ʔ": [],
}


def ipa_to_arpa(ipa: str) -> list[str]:
    out: list[str] = []
    for tok in ipa.replace("ˈ", "").replace("ˌ", "").split("_"):
        tok = tok.strip()
        if not tok:
            continue
        if tok not in IPA_TO_ARPA:
            raise ValueError(f"unknown espeak phoneme {tok!r} in {ipa!r}")
        for ph in IPA_TO_ARPA[tok]:
            if not (ph == "R" and out and out[-1] == "R"):   # "ɑːɹ_ɹ" is one r
                out.append(ph)
    return out


def load_espeak_cache(path: Path) -> dict[str, str]:
    cache: dict[str, str] = {}
    if path.exists():
        with open(path, encoding="utf-8") as fh:
            for line in fh:
                if line.startswith("#") or not line.strip():
                    continue
                name, ipa = line.rstrip("\n").split("\t")
                cache[name] = ipa
    return cache


def write_espeak_cache(path: Path, cache: dict[str, str]) -> None:
    with open(path, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("# espeak-ng -v en-us -q --ipa --sep=_ output for names the CMU "
                 "dictionary lacks.\n# name<TAB>phonemes; regenerate with "
                 "generate.py --refresh-espeak.\n")
        for name in sorted(cache):
            fh.write(f"{name}\t{cache[name]}\n")


def run_espeak(names: list[str]) -> dict[str, str]:
    """Pronounce many names with one espeak-ng process per batch."""
    result: dict[str, str] = {}
    batch = 500
    for start in range(0, len(names), batch):
        chunk = names[start:start + batch]
        text = "".join(f"{capitalise(n)}\n" for n in chunk)
        out = subprocess.run(
            ["espeak-ng", "-v", "en-us", "-q", "--ipa", "--sep=_"],
            input=text, capture_output=True, text=True, check=True).stdout
        lines = [ln.strip() for ln in out.split("\n") if ln.strip()]
        if len(lines) != len(chunk):      # fall back to one call per name
            lines = [subprocess.run(
                ["espeak-ng", "-v", "en-us", "-q", "--ipa", "--sep=_", capitalise(n)],
                capture_output=True, text=True, check=True).stdout.strip().replace("\n", " ")
                for n in chunk]
        for n, ln in zip(chunk, lines):
            result[n] = ln
    return result


# --------------------------------------------------------------------------
# The program's own letter-by-letter row (ported exactly; used to drop
# generated forms the program already shows)
# --------------------------------------------------------------------------
_LETTER_MAP = {}
for _chars, _to in (("bfp", "p"), ("cdgjkqstxz", "k"), ("h", "h"), ("n", "n"),
                    ("lr", "l"), ("vw", "w"), ("y", "i")):
    for _c in _chars:
        _LETTER_MAP[_c] = _to


def _is_consonant(x: str) -> bool:
    return bool(x) and x[0].lower() in "pkhnlwm"


def letter_by_letter(name: str) -> str:
    w = ""
    for c in name:
        if w and c.lower() == w[-1].lower():
            continue
        w += c
    r, prev = "", ""
    for i, c in enumerate(w):
        mapped = _LETTER_MAP.get(c.lower(), c)
        if mapped != c:
            mapped = mapped.upper() if "A" <= c <= "Z" else mapped.lower()
        if _is_consonant(prev) and _is_consonant(mapped):
            r += "a" + mapped
        elif _is_consonant(prev) and mapped == " ":
            r += "a "
        else:
            r += mapped
        if i == len(w) - 1 and _is_consonant(mapped):
            r += "a"
        prev = mapped
    return r


# --------------------------------------------------------------------------
# Hawaiian phonotactics
# --------------------------------------------------------------------------
H_VOWELS = set("aeiou")
H_CONSONANTS = set("hklmnpw")
_WORD_RE = re.compile(r"^(?:[hklmnpw]?[aeiou])+$")


def hawaiian_problem(form: str) -> str | None:
    """None when `form` is valid Hawaiian as this list writes it, else why not."""
    if not form or form != form.strip():
        return "empty or padded"
    for word in re.split(r"[ -]", form):
        if not word:
            return "empty word"
        if not word[0].isupper() or word[1:] != word[1:].lower():
            return "not capitalised"
        low = word.lower()
        if not _WORD_RE.match(low):
            return "letters or syllables not Hawaiian"
        if "wu" in low:
            return "contains wu"
    return None


def many_vowels(form: str) -> bool:
    return re.search(r"[aeiou]{4,}", form.lower()) is not None


def capitalise_form(form: str) -> str:
    return "-".join(" ".join(w[:1].upper() + w[1:] for w in part.split(" "))
                    for part in form.lower().split("-"))


# --------------------------------------------------------------------------
# Rule forms
# --------------------------------------------------------------------------
# A unit is a consonant or a vowel of the Hawaiian word under construction.
@dataclass
class Unit:
    kind: str              # "C" or "V"
    h: str                 # Hawaiian letters (one consonant, or 1-2 vowels)
    src: str = ""          # source sound: ARPAbet phoneme(s), joined by "+"
    letters: str = ""      # spelling it came from
    meta: set = field(default_factory=set)


CONS_TO_H = {
    "P": "p", "B": "p", "F": "p", "V": "w", "W": "w", "M": "m", "N": "n", "NG": "n",
    "L": "l", "R": "l", "HH": "h",
    "T": "k", "D": "k", "S": "k", "Z": "k", "SH": "k", "ZH": "k", "CH": "k",
    "JH": "k", "TH": "k", "DH": "k", "K": "k", "G": "k",
}
SIBILANTS = {"S", "Z", "SH", "ZH", "CH", "JH"}
VOICED_STOPS = {"D", "G"}
VOICELESS_STOPS = {"T", "K", "P"}
NASALS = {"M", "N", "NG"}
OBSTRUENTS = {"P", "B", "F", "V", "T", "D", "K", "G", "TH", "DH", "S", "Z",
              "SH", "ZH", "CH", "JH", "HH"}

# Spellings a consonant phoneme may come from.
CONS_SPELLINGS = {
    "B": "b bb bh", "CH": "ch tch t c cz tsch tj", "D": "d dd ed dh t",
    "DH": "th", "F": "f ff ph gh pph", "G": "g gg gh gu gue",
    "HH": "h wh j g x jh kh", "JH": "j g gg dg dge ge gi d dj jj",
    "K": "k c ck ch q qu cc kh cq x g kk que cqu", "L": "l ll lh",
    "M": "m mm mb mn mh", "N": "n nn kn gn mn nh", "NG": "ng n",
    "P": "p pp ph", "R": "r rr rh wr rrh", "S": "s ss c sc ce x z ps sch ts sz zz",
    "SH": "sh ch s ti ci ss sch sc si x sz", "T": "t tt th ed pt bt dt tte",
    "TH": "th", "V": "v vv f w ph", "W": "w u o wh ou",
    "Y": "y i j ll e ie", "Z": "z zz s ss x es tz",
    "ZH": "s g z j si ge",
}
CONS_SPELLINGS = {k: set(v.split()) for k, v in CONS_SPELLINGS.items()}
# One letter giving two phonemes.
PAIR_SPELLINGS = {
    ("K", "S"): {"x", "cc", "xx"}, ("G", "Z"): {"x"}, ("K", "SH"): {"x"},
    ("Y", "UW"): {"u", "ew", "eu", "ue", "ugh", "iu"}, ("Y", "UH"): {"u"},
    ("Y", "AH"): {"ia", "ya", "i"}, ("K", "W"): {"qu", "q"}, ("G", "W"): {"gu"},
    ("W", "AH"): {"o"}, ("HH", "W"): {"wh", "j", "ju"}, ("AH", "L"): {"le", "l"},
    ("AH", "N"): {"n"}, ("AH", "M"): {"m"}, ("T", "S"): {"z"}, ("IY", "AH"): {"ia", "ea"},
}
_VOWEL_CHUNK = re.compile(r"^[aeiouy][aeiouywh]{0,3}$|^[aeiouy]+gh$")
_ER_CHUNK = re.compile(r"^[aeiouy]{0,3}r{1,2}e?h?$")


def _vowel_chunk_ok(chunk: str, ph: str) -> bool:
    if ph == "ER":
        return bool(_ER_CHUNK.match(chunk)) or bool(_VOWEL_CHUNK.match(chunk))
    return bool(_VOWEL_CHUNK.match(chunk))


def _silent_cost(ch: str, at_end: bool) -> float:
    if ch == "e":
        return 0.3 if at_end else 0.6
    if ch == "h":
        return 0.4
    if ch in "aiouy":
        return 0.8
    if ch == "w":
        return 0.6
    return 1.0


def align(word: str, phones: list[str]) -> list[tuple[str, list[str]]]:
    """Align the letters of `word` with `phones`; return (letters, phones) pieces."""
    return align_with_cost(word, phones)[0]


# A pronunciation whose alignment costs more than this per letter does not
# belong to the spelling (espeak-ng spells out names it cannot read: Shmuel).
MAX_ALIGN_COST_PER_LETTER = 0.6


def align_with_cost(word: str, phones: list[str]) -> tuple[list[tuple[str, list[str]]], float]:
    n, m = len(word), len(phones)
    inf = float("inf")
    best = [[inf] * (m + 1) for _ in range(n + 1)]
    back: list[list[tuple | None]] = [[None] * (m + 1) for _ in range(n + 1)]
    best[0][0] = 0.0
    for i in range(n + 1):
        for j in range(m + 1):
            cur = best[i][j]
            if cur == inf:
                continue

            def relax(ni, nj, cost):
                c = cur + cost
                if c < best[ni][nj] - 1e-9:
                    best[ni][nj] = c
                    back[ni][nj] = (i, j)

            if i < n:                                    # silent letter
                relax(i + 1, j, _silent_cost(word[i], i == n - 1))
            if j < m:                                    # sound without a letter
                relax(i, j + 1, 1.5)
            if j < m:
                ph = phones[j]
                for k in range(1, min(4, n - i) + 1):
                    chunk = word[i:i + k]
                    if ph in VOWELS_ARPA:
                        if _vowel_chunk_ok(chunk, ph):
                            relax(i + k, j + 1, 0.1 * (k - 1))
                    elif chunk in CONS_SPELLINGS.get(ph, ()):
                        relax(i + k, j + 1, 0.05 * (k - 1))
                    elif k == 1 and chunk not in "aeiouy":
                        relax(i + 1, j + 1, 2.5)        # unusual spelling
            if j + 1 < m:
                pair = (phones[j], phones[j + 1])
                for k in range(1, min(3, n - i) + 1):
                    if word[i:i + k] in PAIR_SPELLINGS.get(pair, ()):
                        relax(i + k, j + 2, 0.2)
    pieces: list[tuple[str, list[str]]] = []
    i, j = n, m
    while (i, j) != (0, 0):
        pi, pj = back[i][j]
        pieces.append((word[pi:i], phones[pj:j]))
        i, j = pi, pj
    pieces.reverse()
    return pieces, best[n][m]


SOUND_VOWELS = {"AA": "a", "AE": "a", "AH": "a", "AO": "o", "EH": "e", "IH": "i",
                "IY": "i", "UH": "u", "UW": "u"}


def _spelled_vowel(ph: str, letters: str, by_sound: bool = False) -> str:
    """Hawaiian vowel(s) for a vowel sound, mostly from its spelling (or from
    the sound alone when `by_sound`)."""
    if ph == "AY":
        return "ai"
    if ph == "AW":
        return "au"
    if ph == "OY":
        return "oi"
    if ph == "EY":
        return "e"
    if ph == "OW":
        return "o"
    if ph == "ER":
        return "a"
    if by_sound:
        return SOUND_VOWELS[ph]
    v = "".join(c for c in letters if c in "aeiouy")
    if len(v) > 1 and v[0] == "y":       # a glide before the vowel (Aaliyah)
        v = v[1:]
    v = v.replace("y", "i")
    if not v:
        return SOUND_VOWELS[ph]
    if ph in ("IY", "IH") and v in ("ee", "ea", "ie", "ei", "ii", "ei", "ae"):
        return "i"
    if ph in ("UW", "UH") and v in ("oo", "ou", "ue", "eu", "ui", "oe"):
        return "u"
    if ph == "UW" and letters in ("ew",):
        return "u"
    if v in ("au",) and ph in ("AO", "AA", "AH"):
        return "au"
    if v in ("ai", "ei", "ea") and ph in ("EH", "AE"):
        return "e"
    if v == "ou" and ph == "AH":
        return "u"
    if v == "oa":
        return "o"
    if v == "ia" and ph == "AH":
        return "a"
    return v[0]


def units_from_pron(word: str, phones: list[str], by_sound: bool = False) -> list[Unit]:
    flat = [(letters, ph) for letters, phs in align(word, phones) for ph in phs]
    units: list[Unit] = []
    for k, (letters, ph) in enumerate(flat):
        if ph == "ER" and k + 1 < len(flat) and flat[k + 1][1] in VOWELS_ARPA:
            # an r-coloured vowel before a vowel keeps its r (Katherine)
            v = [c for c in letters if c in "aeiou"]
            units.append(Unit("V", "e" if by_sound or not v else v[0], "EH", letters))
            units.append(Unit("C", "l", "R", letters))
        elif ph in VOWELS_ARPA:
            units.append(Unit("V", _spelled_vowel(ph, letters, by_sound), ph, letters))
        elif ph == "Y":
            units.append(Unit("V", "i", "Y", letters, {"glide"}))
        else:
            units.append(Unit("C", CONS_TO_H[ph], ph, letters))
    return units


# Spelling rules: graphemes tried longest first.
SPELL_GRAPHEMES = [
    ("tch", "C", "k", "CH"), ("sch", "C", "k", "SH"), ("ch", "C", "k", "CH"),
    ("sh", "C", "k", "SH"), ("th", "C", "k", "TH"), ("zh", "C", "k", "ZH"),
    ("ph", "C", "p", "F"), ("ck", "C", "k", "K"), ("gh", "C", "", ""),
    ("kh", "C", "k", "K"), ("dh", "C", "k", "D"), ("bh", "C", "p", "B"),
    ("rh", "C", "l", "R"), ("jh", "C", "k", "JH"),
    ("wh", "C", "w", "W"), ("kn", "C", "n", "N"), ("wr", "C", "l", "R"),
    ("b", "C", "p", "B"), ("c", "C", "k", "K"), ("d", "C", "k", "D"),
    ("f", "C", "p", "F"), ("g", "C", "k", "G"), ("h", "C", "h", "HH"),
    ("k", "C", "k", "K"), ("l", "C", "l", "L"), ("m", "C", "m", "M"),
    ("n", "C", "n", "N"), ("p", "C", "p", "P"), ("r", "C", "l", "R"),
    ("s", "C", "k", "S"), ("t", "C", "k", "T"), ("v", "C", "w", "V"),
    ("w", "C", "w", "W"), ("z", "C", "k", "Z"),
]


def units_from_spelling(word: str) -> list[Unit]:
    w = ""
    for c in word.lower():                  # doubled letters written once
        if not (w and w[-1] == c):
            w += c
    units: list[Unit] = []
    i, n = 0, len(w)
    while i < n:
        c = w[i]
        nxt = w[i + 1] if i + 1 < n else ""
        if c in "aeiou" or (c == "y" and (not nxt or nxt not in "aeiou" or i > 0)):
            # vowel; y is a vowel except word-initially before a vowel
            units.append(Unit("V", "i" if c == "y" else c, "", c))
            i += 1
            continue
        if c in "jy":                        # J and initial Y before a vowel: i
            if nxt in "aeiouy":
                units.append(Unit("V", "i", "Y", c, {"glide"}))
            else:
                units.append(Unit("C", "k", "JH", c))
            i += 1
            continue
        if c == "q":
            if nxt == "u" and i + 2 < n and w[i + 2] in "aeioy":
                units += [Unit("C", "k", "K", "q"), Unit("C", "w", "W", "u")]
                i += 2
            else:
                units.append(Unit("C", "k", "K", "q"))
                i += 2 if nxt == "u" else 1
            continue
        if c == "x":
            if i == 0:
                units.append(Unit("C", "k", "Z", "x"))
            else:
                units += [Unit("C", "k", "K", "x", {"keep"}), Unit("C", "k", "S", "x", {"keep"})]
            i += 1
            continue
        for g, kind, h, src in SPELL_GRAPHEMES:
            if w.startswith(g, i):
                if g == "gh" and i == 0:
                    units.append(Unit("C", "k", "G", g))
                elif h:
                    units.append(Unit(kind, h, src, g))
                i += len(g)
                break
        else:
            i += 1                           # not a letter: ignore
    # w after a vowel and not before one is part of the vowel (aw, ew, ow)
    out: list[Unit] = []
    for k, u in enumerate(units):
        prev = out[-1] if out else None
        nxt_u = units[k + 1] if k + 1 < len(units) else None
        if u.kind == "C" and u.letters == "w" and prev and prev.kind == "V" and \
                (nxt_u is None or nxt_u.kind == "C"):
            if prev.h == "e":
                prev.h = "u"
            elif prev.h == "a":
                prev.h = "au"
            continue
        if u.kind == "C" and u.letters == "h" and prev and prev.kind == "V" and \
                (nxt_u is None or nxt_u.kind == "C"):
            continue                         # Sarah, Deborah: h is silent
        out.append(u)
    # r after a vowel, before a consonant or at the end: ar and er leave a
    for k, u in enumerate(out):
        if u.kind == "C" and u.src == "R" and k > 0 and out[k - 1].kind == "V":
            nxt_u = out[k + 1] if k + 1 < len(out) else None
            if nxt_u is None or nxt_u.kind == "C":
                if out[k - 1].h in ("a", "e"):
                    out[k - 1].h = "a"
    return out


def finish(units: list[Unit]) -> str:
    """Turn units into a Hawaiian word: drop, merge, break clusters, end in a vowel."""
    u = [Unit(x.kind, x.h, x.src, x.letters, set(x.meta)) for x in units]
    # r after a vowel and before a consonant or at the end is dropped
    res: list[Unit] = []
    for k, x in enumerate(u):
        if x.kind == "C" and x.src == "R" and res and res[-1].kind == "V":
            nxt = u[k + 1] if k + 1 < len(u) else None
            if nxt is None:
                if res[-1].src not in ("ER",) and res[-1].h[-1:] != "a":
                    res.append(Unit("V", "a", "R", x.letters))
                continue
            if nxt.kind == "C":
                continue
        res.append(x)
    u = res
    # a nasal before a stop: voiced stops go, voiceless ones go before a
    # consonant or at the end (Frank, Andrew, Linda)
    res = []
    for k, x in enumerate(u):
        prev = res[-1] if res else None
        if x.kind == "C" and prev and prev.kind == "C" and prev.src in NASALS:
            nxt = u[k + 1] if k + 1 < len(u) else None
            if x.src in VOICED_STOPS:
                continue
            if x.src in VOICELESS_STOPS and (nxt is None or nxt.kind == "C"):
                continue
        res.append(x)
    u = res
    # the same consonant twice in a row is written once (st, ks, ts)
    res = []
    for x in u:
        if x.kind == "C" and res and res[-1].kind == "C" and res[-1].h == x.h \
                and not ("keep" in x.meta and "keep" in res[-1].meta):
            res[-1].src += "+" + x.src
            continue
        res.append(x)
    u = res
    # build the letters
    out = ""
    for k, x in enumerate(u):
        if x.kind == "V":
            out += x.h
            continue
        nxt = u[k + 1] if k + 1 < len(u) else None
        out += x.h
        if nxt is None:
            srcs = set(x.src.split("+"))
            out += "i" if x.h == "k" and srcs <= SIBILANTS else "a"
        elif nxt.kind == "C":
            if nxt.src == "W" and x.h == "k":
                ep = "u"                     # qu, gu, dw: kuw
            elif nxt.src == "R" or nxt.src == "L":
                first = x.src.split("+")[0]
                after = next((y for y in u[k + 1:] if y.kind == "V"), None)
                ep = after.h[0] if first in OBSTRUENTS and after else "a"
            else:
                ep = "a"
            out += ep
    # tidy: doubled vowels once, no "wu"
    out = re.sub(r"([aeiou])\1+", r"\1", out)
    out = re.sub(r"wu", "u", out)
    out = re.sub(r"([aeiou])\1+", r"\1", out)
    return out


def pron_form(word: str, phones: list[str], by_sound: bool = False) -> str:
    return capitalise_form(finish(units_from_pron(word.lower(), phones, by_sound)))


def spell_form(word: str) -> str:
    return capitalise_form(finish(units_from_spelling(word)))


# --------------------------------------------------------------------------
# Curated data and blocklist
# --------------------------------------------------------------------------
CURATED_TAGS = {"trad:bible", "trad:usage", "trad:historic"}
RULE_TAGS = {"rule:pron", "rule:espeak", "rule:spell"}


def load_curated(path: Path) -> list[tuple[str, str, str]]:
    rows = []
    with open(path, encoding="utf-8") as fh:
        for lineno, line in enumerate(fh, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != 3:
                raise SystemExit(f"{path.name}:{lineno}: expected 3 tab-separated fields")
            eng, haw, tag = (p.strip() for p in parts)
            if tag not in CURATED_TAGS:
                raise SystemExit(f"{path.name}:{lineno}: unknown tag {tag!r}")
            problem = hawaiian_problem(haw)
            if problem:
                raise SystemExit(f"{path.name}:{lineno}: {haw!r}: {problem}")
            if not re.fullmatch(r"[A-Z][a-z]+(?:[-' ][A-Z][a-z]+)*", eng):
                raise SystemExit(f"{path.name}:{lineno}: odd English name {eng!r}")
            rows.append((eng, haw, tag))
    return rows


def load_blocklist(path: Path) -> tuple[set[str], list[str]]:
    """Words a generated form must not be (whole word), and ~fragments it must
    not contain anywhere."""
    words: set[str] = set()
    fragments: list[str] = []
    with open(path, encoding="utf-8") as fh:
        for line in fh:
            line = line.split("#", 1)[0].strip().lower()
            if not line:
                continue
            if line.startswith("~"):
                fragments.append(line[1:])
            else:
                words.add(line)
    return words, sorted(fragments)


def blocked(form: str, words: set[str], fragments: list[str]) -> bool:
    low = form.lower()
    return any(w in words for w in re.split(r"[ -]", low)) or \
        any(f in low for f in fragments)


def remake(form: str) -> str:
    """Second try for a blocked form: another last vowel, not doubling the one
    before it (Make -> Maka, Kae -> Kai)."""
    before = form[-2:-1].lower()
    for v in "aeio":
        if v != form[-1] and v != before:
            return form[:-1] + v
    return form


# --------------------------------------------------------------------------
# Main
# --------------------------------------------------------------------------
def main(argv: list[str] | None = None) -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--ssa", required=True, type=Path, help="us-name-data.sqlite")
    ap.add_argument("--cmudict", required=True, type=Path, help="CMU dict.txt")
    ap.add_argument("--curated", type=Path, default=HERE / "curated.tsv")
    ap.add_argument("--blocklist", type=Path, default=HERE / "blocklist.txt")
    ap.add_argument("--espeak-cache", type=Path, default=HERE / "espeak-cache.tsv")
    ap.add_argument("--refresh-espeak", action="store_true",
                    help="pronounce every needed name anew and rewrite the cache")
    ap.add_argument("--out", required=True, type=Path)
    ap.add_argument("--sample", nargs="*", default=[],
                    help="print the lines of these English names")
    args = ap.parse_args(argv)

    totals = load_ssa(args.ssa)
    cmu = load_cmudict(args.cmudict)
    selected = sorted(n for n, b in totals.items()
                      if n.isascii() and n.isalpha()
                      and (b >= MIN_BIRTHS_ANY or (b >= MIN_BIRTHS_CMU and n in cmu)))

    need_espeak = [n for n in selected if n not in cmu]
    cache = {} if args.refresh_espeak else load_espeak_cache(args.espeak_cache)
    missing = [n for n in need_espeak if n not in cache]
    if missing:
        print(f"espeak-ng: pronouncing {len(missing)} names", file=sys.stderr)
        cache.update(run_espeak(missing))
    if missing or args.refresh_espeak:
        write_espeak_cache(args.espeak_cache,
                           {n: cache[n] for n in sorted(set(need_espeak) | set(cache))})

    curated = load_curated(args.curated)
    block_words, block_frags = load_blocklist(args.blocklist)
    # curated forms are reviewed by hand; a blocklisted one is a mistake
    for eng, haw, _ in curated:
        if blocked(haw, block_words, block_frags):
            raise SystemExit(f"curated form {eng} -> {haw} is on the blocklist")

    lines: dict[str, list[tuple[str, str]]] = {}
    for eng, haw, tag in curated:
        forms = lines.setdefault(eng, [])
        if all(h.lower() != haw.lower() for h, _ in forms):
            forms.append((haw, tag))

    stats = Counter()
    blocked_report: set[str] = set()
    warnings: list[str] = []
    for n in selected:
        eng = capitalise(n)
        if n in cmu:
            phones, tag = cmu[n], "rule:pron"
        else:
            phones, tag = ipa_to_arpa(cache[n]), "rule:espeak"
        # the third candidate, with the vowels as heard, is used only when
        # the first two leave room (they equal the program's letter row, a
        # curated form or each other)
        candidates = [(pron_form(n, phones), tag), (spell_form(n), "rule:spell"),
                      (pron_form(n, phones, by_sound=True), tag)]
        if align_with_cost(n, phones)[1] > MAX_ALIGN_COST_PER_LETTER * len(n):
            stats["pronunciation_not_used"] += 1
            candidates = candidates[1:2]
        letter_row = letter_by_letter(eng).lower()
        forms = lines.setdefault(eng, [])
        for idx, (haw, t) in enumerate(candidates):
            if idx == 2 and sum(tt.startswith("rule:") for _, tt in forms) >= MAX_RULE_FORMS:
                break
            problem = hawaiian_problem(haw)
            if problem:
                raise SystemExit(f"rule form {eng} -> {haw}: {problem}")
            if blocked(haw, block_words, block_frags):
                again = remake(haw)
                if blocked(again, block_words, block_frags) or hawaiian_problem(again):
                    blocked_report.add(f"{eng}: {haw} dropped")
                    continue
                blocked_report.add(f"{eng}: {haw} remade as {again}")
                haw = again
            if haw.lower() == letter_row:
                stats["same_as_letter_row"] += 1
                continue
            if any(h.lower() == haw.lower() for h, _ in forms):
                stats["duplicate_form"] += 1
                continue
            forms.append((haw, t))

    out_lines = []
    for eng in sorted(lines, key=lambda e: (e.casefold(), e)):
        for haw, tag in lines[eng]:
            if many_vowels(haw):
                warnings.append(f"{eng}: {haw} has 4+ vowels in a row")
            out_lines.append(f"{eng}\t{haw}\t{tag}")
    if len(set(out_lines)) != len(out_lines):
        raise SystemExit("duplicate lines")
    args.out.parent.mkdir(parents=True, exist_ok=True)
    with open(args.out, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("\n".join(out_lines))

    # report
    tags = Counter(line.rsplit("\t", 1)[1] for line in out_lines)
    ranked = sorted(totals, key=lambda k: (-totals[k], k))
    present = {e.lower() for e in lines if lines[e]}
    print(f"names selected: {len(selected)} "
          f"(cmudict {len(selected) - len(need_espeak)}, espeak {len(need_espeak)})")
    print(f"lines: {len(out_lines)}")
    for tag in sorted(tags):
        print(f"  {tag}: {tags[tag]}")
    for top in (500, 1000, 5000):
        have = sum(1 for k in ranked[:top] if k in present)
        print(f"coverage of top {top}: {have}/{top} = {100.0 * have / top:.1f}%")
    top500_curated = {e.lower() for e, _, _ in curated}
    print(f"top 500 with a curated form: "
          f"{sum(1 for k in ranked[:500] if k in top500_curated)}")
    for key in sorted(stats):
        print(f"{key}: {stats[key]}")
    print(f"blocklist: {sum('remade' in b for b in blocked_report)} forms remade, "
          f"{sum('dropped' in b for b in blocked_report)} dropped")
    for line in sorted(blocked_report):
        print(f"  blocklist: {line}")
    print(f"warnings (4+ vowels in a row): {len(warnings)}")
    for w in warnings:
        print(f"  warning: {w}", file=sys.stderr)
    for name in args.sample:
        for haw, tag in lines.get(capitalise(name), []):
            print(f"  {capitalise(name)}\t{haw}\t{tag}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
