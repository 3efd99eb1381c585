"""Readers of the name list's inputs: the Social Security name counts, the CMU
Pronouncing Dictionary, espeak-ng pronunciations (through a committed cache)
and the reviewed tables kept beside this file.

Standard library only (Python 3.11).
"""

from __future__ import annotations

import re
import sqlite3
import subprocess
from dataclasses import dataclass
from pathlib import Path

# --------------------------------------------------------------------------
# Social Security name counts
# --------------------------------------------------------------------------


def births_by_name(db: Path, query: str, params: tuple = ()) -> dict[str, int]:
    """Sum the births that `query` returns as (name, births) rows, keyed by the
    lower-case name."""
    con = sqlite3.connect(f"file:{db}?mode=ro", uri=True)
    try:
        rows = con.execute(query, params).fetchall()
    finally:
        con.close()
    totals: dict[str, int] = {}
    for name, births in rows:
        key = name.strip().lower()
        if key:
            totals[key] = totals.get(key, 0) + int(births)
    return totals


def load_ssa(path: Path, first_year: int = 0, last_year: int = 9999) -> dict[str, int]:
    """Births per name (lower case) over the given years, both sexes together."""
    return births_by_name(
        path, "SELECT name, SUM(births) FROM usNameData WHERE year BETWEEN ? AND ? "
        "GROUP BY name", (first_year, last_year))


def ranked(totals: dict[str, int]) -> list[str]:
    """Names from the most to the least given; ties by name."""
    return sorted(totals, key=lambda k: (-totals[k], k))


def capitalise(name: str) -> str:
    return name[:1].upper() + name[1:].lower()


# --------------------------------------------------------------------------
# CMU Pronouncing Dictionary
# --------------------------------------------------------------------------
VOWELS_ARPA = {"AA", "AE", "AH", "AO", "AW", "AY", "EH", "ER", "EY",
               "IH", "IY", "OW", "OY", "UH", "UW"}


def load_cmudict(path: Path) -> dict[str, list[list[str]]]:
    """Every pronunciation of every plain alphabetic word, in the dictionary's
    order (the first is the dictionary's main entry), stress removed."""
    pron: dict[str, list[list[str]]] = {}
    with open(path, encoding="latin-1") as fh:
        for line in fh:
            if not line.strip() or line.startswith(";;;"):
                continue
            word, _, phones = line.strip().partition(" ")
            word = re.sub(r"\(\d+\)$", "", word).lower()
            if not word.isalpha() or not word.isascii():
                continue
            pron.setdefault(word, []).append([re.sub(r"\d", "", p) for p in phones.split()])
    return pron


# --------------------------------------------------------------------------
# espeak-ng
# --------------------------------------------------------------------------
# Voices: en-us for English readings; es-419 (Latin American Spanish) and
# pt-br (Brazilian Portuguese) for names of Spanish and Portuguese origin.
ESPEAK_VOICES = ("en-us", "es-419", "pt-br")


@dataclass(frozen=True)
class Espeak:
    ipa: str            # phonemes as printed by --ipa --sep=_
    listed: bool        # espeak-ng has the word in its own dictionary


EspeakCache = dict[tuple[str, str], Espeak]      # (voice, name) -> reading


def load_espeak_cache(path: Path) -> EspeakCache:
    cache: EspeakCache = {}
    if path.exists():
        with open(path, encoding="utf-8") as fh:
            for line in fh:
                if line.startswith("#") or not line.strip():
                    continue
                voice, name, how, ipa = line.rstrip("\n").split("\t")
                cache[(voice, name)] = Espeak(ipa, how == "listed")
    return cache


def write_espeak_cache(path: Path, cache: EspeakCache) -> None:
    with open(path, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("# espeak-ng readings of the list's names: voice<TAB>name<TAB>how<TAB>phonemes\n"
                 "# (espeak-ng -v VOICE -q --ipa --sep=_).  how: \"listed\" when the name is in\n"
                 "# espeak-ng's own dictionary, \"rules\" when its spelling rules read it.\n"
                 "# Regenerate with generate.py --refresh-espeak.\n")
        for voice, name in sorted(cache):
            e = cache[(voice, name)]
            fh.write(f"{voice}\t{name}\t{'listed' if e.listed else 'rules'}\t{e.ipa}\n")


def _espeak(voice: str, text: str, *flags: str) -> str:
    return subprocess.run(["espeak-ng", "-v", voice, "-q", *flags], input=text,
                          capture_output=True, text=True, check=True).stdout


def run_espeak(voice: str, names: list[str]) -> dict[str, Espeak]:
    """Read many names with one espeak-ng process per batch of names."""
    result: dict[str, Espeak] = {}
    batch = 400
    for start in range(0, len(names), batch):
        chunk = names[start:start + batch]
        text = "".join(f"{capitalise(n)}\n" for n in chunk)
        lines = [ln.strip() for ln in _espeak(voice, text, "--ipa", "--sep=_").split("\n")
                 if ln.strip()]
        if len(lines) != len(chunk):      # fall back to one call per name
            lines = [_espeak(voice, capitalise(n), "--ipa", "--sep=_").strip().replace("\n", " ")
                     for n in chunk]
        listed = set(re.findall(r"^Found: '([a-z]+)'", _espeak(voice, text, "-X"), re.M))
        for n, ln in zip(chunk, lines):
            result[n] = Espeak(ln, n in listed)
    return result


# English (en-us) IPA tokens to ARPAbet.  Keys are phoneme tokens as printed
# with --ipa --sep=_ after stress marks are removed.  The glottal stop stands
# for a t (Quinten, Clinton).
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
    "r": ["R"], "w": ["W"], "ʍ": ["W"], "j": ["Y"], "ɾ": ["T"], "ʔ": ["T"],
}


def ipa_tokens(ipa: str) -> list[str]:
    """The phoneme tokens of an espeak-ng reading, stress and language-switch
    marks removed."""
    ipa = re.sub(r"\([a-z-]+\)", "", ipa)
    return [t for t in (x.strip() for x in ipa.replace("ˈ", "").replace("ˌ", "").split("_")) if t]


# American English says no y-glide between these consonants and a stressed /uː/
# or /ʊ/ (Tulip: "toolip", Nuri, Shulem), nor ever after zh, ch or j (Zhuri);
# espeak-ng's rules sometimes give one.
_NO_GLIDE_AFTER = {"T", "D", "S", "Z", "L", "TH", "N", "SH", "R"}
_NEVER_GLIDE_AFTER = {"ZH", "CH", "JH"}


def ipa_to_arpa_stressed(ipa: str) -> list[tuple[str, bool]]:
    """The ARPAbet phonemes of an espeak-ng reading, each with whether it is
    in a syllable with primary stress."""
    out: list[tuple[str, bool]] = []
    tokens = ipa_tokens(ipa)
    stressed = [t.strip().startswith("ˈ") for t in re.sub(r"\([a-z-]+\)", "", ipa).split("_")
                if t.replace("ˈ", "").replace("ˌ", "").strip()]
    for k, tok in enumerate(tokens):
        if tok not in IPA_TO_ARPA:
            raise ValueError(f"unknown espeak phoneme {tok!r} in {ipa!r}")
        if tok == "j" and out and k + 1 < len(tokens) and tokens[k + 1] in ("uː", "u", "ʊ", "ʊɹ") \
                and (out[-1][0] in _NEVER_GLIDE_AFTER or
                     (out[-1][0] in _NO_GLIDE_AFTER and stressed[k + 1])):
            continue
        for ph in IPA_TO_ARPA[tok]:
            if not (ph == "R" and out and out[-1][0] == "R"):   # "ɑːɹ_ɹ" is one r
                out.append((ph, stressed[k]))
    return out


def ipa_to_arpa(ipa: str) -> list[str]:
    return [ph for ph, _ in ipa_to_arpa_stressed(ipa)]


# --------------------------------------------------------------------------
# Reviewed tables (tab-separated; "#" starts a comment line)
# --------------------------------------------------------------------------


def read_table(path: Path, min_fields: int, max_fields: int) -> list[tuple[int, list[str]]]:
    """(line number, fields) of every data line; missing trailing fields read
    as empty strings."""
    rows = []
    with open(path, encoding="utf-8") as fh:
        for lineno, line in enumerate(fh, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = [f.strip() for f in line.split("\t")]
            if not min_fields <= len(fields) <= max_fields:
                raise SystemExit(f"{path.name}:{lineno}: expected {min_fields} to {max_fields} "
                                 f"tab-separated fields, got {len(fields)}")
            rows.append((lineno, fields + [""] * (max_fields - len(fields))))
    return rows
