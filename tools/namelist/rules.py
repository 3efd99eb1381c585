"""How a Hawaiian form is made by rule: from an English pronunciation aligned
with the spelling, from a Spanish or Portuguese pronunciation, or from the
spelling alone; and what a valid Hawaiian form looks like.

Standard library only (Python 3.11).
"""

from __future__ import annotations

import re
from collections.abc import Iterator
from dataclasses import dataclass, field

from sources import VOWELS_ARPA, ipa_tokens

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


def stutters(form: str) -> bool:
    """The same syllable three times in a row (Kakaka), or the same two
    syllables twice (Jensen: Kenakena, Johnson: Konakona): no name is made so,
    and a doubled pair reads as a reduplicated Hawaiian word."""
    low = form.lower()
    return re.search(r"([hklmnpw]?[aeiou])\1\1", low) is not None or \
        re.search(r"([hklmnpw]?[aeiou][hklmnpw][aeiou])\1", low) is not None


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


# The letters a vowel sound's spelling usually starts with.  Between two
# alignments of the same cost the one whose vowel letters fit the sounds wins
# (Breeana: ee-a, not e-ea).
_VOWEL_FIRST_LETTERS = {
    "AA": "ao", "AE": "a", "AO": "ao", "AW": "ao", "AY": "iyae", "EH": "ea", "EY": "ae",
    "IH": "iye", "IY": "eiy", "OW": "oe", "OY": "o", "UH": "uo", "UW": "uoe",
}


def _vowel_letter_cost(chunk: str, ph: str) -> float:
    fits = _VOWEL_FIRST_LETTERS.get(ph)
    return 0.0 if fits is None or chunk[0] in fits else 0.15


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

# What each letter is called, as the pronunciation dictionary writes it (stress removed).  Some
# short names have a second entry that reads them as initials ("AI" as "EY AY", like A.I.),
# which is no way to say the name.
LETTER_NAMES = {
    "a": "EY", "b": "B IY", "c": "S IY", "d": "D IY", "e": "IY", "f": "EH F", "g": "JH IY",
    "h": "EY CH", "i": "AY", "j": "JH EY", "k": "K EY", "l": "EH L", "m": "EH M", "n": "EH N",
    "o": "OW", "p": "P IY", "q": "K Y UW", "r": "AA R", "s": "EH S", "t": "T IY", "u": "Y UW",
    "v": "V IY", "w": "D AH B AH L Y UW", "x": "EH K S", "y": "W AY", "z": "Z IY",
}


def reads_as_initials(word: str, phones: list[str]) -> bool:
    """True when `phones` says the letters of `word` one by one (an initialism)."""
    low = word.lower()
    if len(low) < 2 or not all(ch in LETTER_NAMES for ch in low):
        return False
    return " ".join(phones) == " ".join(LETTER_NAMES[ch] for ch in low)


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
                            relax(i + k, j + 1, 0.1 * (k - 1) + _vowel_letter_cost(chunk, ph))
                    elif chunk in CONS_SPELLINGS.get(ph, ()) and \
                            not (chunk == "ed" and (i + k < n or (i > 0 and word[i - 1] in "aeiouy"))):
                        # -ed only at the end, and not after a vowel letter (Reed: r-ee-d)
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


# --------------------------------------------------------------------------
# Readings that do not fit the spelling
# --------------------------------------------------------------------------
# espeak-ng reads a name it does not know by its English spelling rules, and
# some of its guesses are not how any English speaker says the name.  These
# are the kinds of guess whose form would mislead: such a reading is not used.
_FINAL_EE_LETTERS = {"i", "ie", "ye", "y", "ee", "ey", "ae", "ea"}


def reading_misfits(word: str, phones: list[str], stressed: list[bool]) -> Iterator[str]:
    """Every way a machine reading of `word` does not fit its spelling.

    `stressed` tells for each phoneme whether its syllable has the primary
    stress.  The kinds of misfit:
      * a vowel letter between consonants left silent, so that a syllable of
        the spelling is lost (Tameka read "taymka", Salena "saylna");
      * a final i, ie, y or ee read as "eye" after an earlier vowel (Kaci,
        Emerie, Marye: the names end in an ee sound);
      * j read as y (Jaelynn read "yaylin");
      * ae read as ee (Brae, Janae: ae says ay);
      * an unstressed i before a consonant read as "eye" ahead of the stress
        (Lizette read "lye-zet", Ivette), or an unstressed i or y read as
        "eye" after it other than in a final -ine, -ile or the like
        (Lilibeth read "lil-eye-beth", Josefina, Trinitee);
      * i, u or y before a single r and a vowel read as in "fur" (Suri read
        "sur-ee", Amirah, Kiran: the vowel keeps its own sound);
      * s and h read apart (Deshaun read "des-hawn": sh is one sound);
      * a final -iel read as one syllable (Jadiel read "jay-deel": it says
        "ee-el", as Daniel and Gabriel do);
      * a final -ise or -ize read as "eyes" (Charlize, Alize: the names
        end in "eez", as Elise and Louise do), and a final -ine, -ile, -ime
        or -yle read with "eye" (Rosine, Lucile, Yasmine, Cheryle: names say
        "een", "eel"; -line is left alone, as Adaline says "line");
      * y read as "eye" before u (Ryu: the y is a glide);
      * a final a or ah swallowed by the vowel before it (Neveah read
        "neve");
      * ie between consonants read as "eye-uh" (Kieth read "kye-uth",
        Dieter, Pieter: the names say "ee");
      * the a of a final -aden (-adin, -adon, -adyn) read short after a
        consonant, or the ai or ay of -aiden, -ayden read as "eye" (Jaden
        read "jad-en", Kaiden "kye-den": the names say ay);
      * ou read as in "out" other than before d, t or n and a consonant
        (Yousef, Louella, Moussa say "oo"; Louden and Scout keep "out");
      * the final e of -nte left silent (Devonte read "dev-ont": the names
        say "de-von-tay", as Dante does);
      * j read as in English after n, l or y before a final a (Tonja, Anja,
        Lilja say "ya");
      * the a of a final -acy, -aci or -acee read short (Kacee read
        "kass-ee": the names say ay, as Lacey and Tracy do);
      * the i of an initial gi read before a, o or u (Giada read "jee-ah-da",
        Giulia: the Italian gi is a j, its i silent);
      * a final -aeh or -eah read as one vowel (Nevaeh read "nev-ee": it says
        "ne-vay-ah");
      * the y of an initial Ty read short (Tyshawn read "tish-awn": Ty- says
        "tie");
      * the ie of -ieda read as two vowels (Frieda read "free-eh-da")."""
    pieces = align(word, phones)
    stress_of: list[bool] = []
    k = 0
    for _letters, phs in pieces:
        stress_of.append(any(stressed[k:k + len(phs)]))
        k += len(phs)
    primary = next((i for i, (l, phs) in enumerate(pieces)
                    if stress_of[i] and any(p in VOWELS_ARPA for p in phs)), None)
    vowel_pieces = [i for i, (l, phs) in enumerate(pieces) if any(p in VOWELS_ARPA for p in phs)]
    for i, (letters, phs) in enumerate(pieces):
        before = "".join(l for l, _ in pieces[:i])
        after = "".join(l for l, _ in pieces[i + 1:])
        if not phs and letters and all(c in "aeiouy" for c in letters) and before and after \
                and before[-1] not in "aeiouy" and after[0] not in "aeiouy" \
                and re.search(r"[aeiouy]", after) and re.search(r"[aeiouy]", before):
            yield "a syllable of the spelling is silent"
        if phs == ["AY"] and not after and letters in _FINAL_EE_LETTERS \
                and vowel_pieces and vowel_pieces[0] != i:
            yield "a final ee sound read as eye"
        if "j" in letters and phs == ["Y"]:
            yield "j read as y"
        if letters == "ae" and phs == ["IY"]:
            yield "ae read as ee"
        if phs == ["AY"] and letters == "i" and after[:1] not in "aeiouy" \
                and primary is not None and i < primary:
            yield "an unstressed i read as eye"
        if phs == ["AY"] and letters in ("i", "y") and not stress_of[i] and primary is not None \
                and i > primary and after and not re.fullmatch(r"[^aeiouy]e", after):
            yield "an unstressed i read as eye"
        if phs == ["ER"] and letters in ("i", "u", "y") and re.match(r"r[aeiouy]", after):
            yield "a vowel before r and a vowel read as in fur"
        if letters == "ie" and phs == ["IY"] and after in ("l", "ll"):
            yield "a final -iel read as one syllable"
        if letters == "s" and phs == ["S"] and i + 1 < len(pieces) and pieces[i + 1] == ("h", ["HH"]):
            yield "sh read as s and h"
        if phs == ["AY"] and letters in ("i", "y") and after in ("ne", "le", "me") \
                and not (after == "ne" and before.endswith("l")) and re.search(r"[aeiouy]", before):
            yield "a final -ine or -ile read with eye"
        if phs == ["AY"] and letters == "i" and after in ("se", "ze") \
                and re.search(r"[aeiouy]", before):
            yield "a final -ise or -ize read as eyes"
        if phs == ["AY"] and letters == "y" and after.startswith("u"):
            yield "y before u read as eye"
        if letters == "ou" and phs == ["AW"] and not re.match(r"d|t|nc|nd|nt", after):
            yield "ou read as in out"
        if letters == "e" and not phs and not after and before.endswith("nt"):
            yield "the final e of -nte not read"
        if letters == "j" and phs == ["JH"] and after == "a" and before[-1:] in ("n", "l", "y"):
            yield "j read as in English in -nja, -lja"
        if not after and letters in ("aeh", "eah") \
                and sum(p in VOWELS_ARPA for p in phs) < 2:
            yield "a final -aeh or -eah read as one vowel"
        if letters == "y" and before == "t" and phs and phs[0] in ("IH", "IY"):
            yield "the y of an initial Ty read short"
        if letters == "i" and phs == ["IY"] and i + 1 < len(pieces) and pieces[i + 1][0] == "e" \
                and pieces[i + 1][1] in (["EH"], ["EY"]) and after == "eda":
            yield "the ie of -ieda read as two vowels"
        if letters == "i" and before == "g" and any(p in VOWELS_ARPA for p in phs) \
                and re.fullmatch(r"[aou][a-z]*[^aeiouy][a-z]*", after):
            yield "the i of an initial gi read before a vowel"
        if letters == "a" and phs == ["AE"] and re.fullmatch(r"c(?:ee|ey|ie|i|y)", after) \
                and before[-1:] not in tuple("aeiouy"):
            yield "the a of -acy or -acee read short"
        if re.fullmatch(r"d[aeioy]n", after) and (
                (letters == "a" and phs in (["AE"], ["AA"]) and before
                 and before[-1] not in "aeiouy")
                or (letters == "aa" and not before and phs in (["AE"], ["AA"]))
                or (letters in ("ai", "ay") and phs == ["AY"])):
            yield "the a of -aden or -aiden not read as ay"
        if phs == ["AY"] and letters == "i" and after.startswith("e") and before \
                and before[-1] not in "aeiouy" and i + 1 < len(pieces) \
                and pieces[i + 1] == ("e", ["AH"]) and after[1:2] not in ("", *"aeiouy"):
            yield "ie between consonants read as eye-uh"
        if not after and re.fullmatch(r"[aeiouy]+ah?", letters) and len(letters.rstrip("h")) > 1 \
                and phs and phs[-1] not in ("AH", "AA", "AE", "AO", "ER"):
            yield "the final a is not read"


def reading_misfit(word: str, phones: list[str], stressed: list[bool]) -> str | None:
    """The first way a machine reading of `word` does not fit its spelling, or None."""
    return next(reading_misfits(word, phones, stressed), None)


# The misfits that break a given name's spelling conventions rather than betray a reading
# guessed from the spelling: a dictionary entry that shows one of them is usually the reading of
# a surname (Yousif as "yow-sif", Delise as "de-lize", Moussa as "mouse-a").  A final -ine or
# -ile read with eye is not one of them: names made of English words keep it (Valentine,
# Sunshine, Divine, Carlyle).
CONVENTION_MISFITS = frozenset({
    "a final -ise or -ize read as eyes",
    "ou read as in out",
    "j read as in English in -nja, -lja",
    "the a of -aden or -aiden not read as ay",
    "ie between consonants read as eye-uh",
})


def convention_misfit(word: str, phones: list[str]) -> str | None:
    """The first misfit of a dictionary reading that breaks a given name's spelling
    conventions (CONVENTION_MISFITS), or None.  Stress is not needed by these."""
    return next((m for m in reading_misfits(word, phones, [True] * len(phones))
                 if m in CONVENTION_MISFITS), None)


SOUND_VOWELS = {"AA": "a", "AE": "a", "AH": "a", "AO": "o", "EH": "e", "IH": "i",
                "IY": "i", "UH": "u", "UW": "u"}


def _spelled_vowel(ph: str, letters: str) -> str:
    """Hawaiian vowel(s) for a vowel sound, from its spelling where the
    spelling is clear (Robert -> Lopaka, not Lapaka), else from the sound."""
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
    v = "".join(c for c in letters if c in "aeiouy")
    if len(v) > 1 and "y" in v[:-1]:     # a glide before the vowel (Aaliyah,
        v = v[v.rindex("y") + 1:] or v   # Anaiyah: the a of -iyah)
    v = v.replace("y", "i")
    if not v:
        return SOUND_VOWELS[ph]
    if ph in ("IY", "IH") and v in ("ee", "ea", "ie", "ei", "ii", "ae", "oe"):
        return "i"
    if ph in ("UW", "UH") and v in ("oo", "ou", "ue", "eu", "ui", "oe", "au"):
        return "u"
    if ph == "UW" and letters in ("ew",):
        return "u"
    if v in ("au",) and ph in ("AO", "AA", "AH"):
        return "au"
    if v == "ea" and ph in ("AE", "AA", "AO"):
        return "a"                       # Roseann (Rose's e, Ann's a), the French Jean (zhahn)
    if v in ("ai", "ei", "ea", "ae") and ph in ("EH", "AE"):
        return "e"
    if v == "ou" and ph == "AH":
        return "u"
    if v == "oa":
        return "o"
    if v == "ia" and ph == "AH":
        return "a"
    return v[0]


def units_from_pron(word: str, phones: list[str]) -> list[Unit]:
    flat = [(letters, ph) for letters, phs in align(word, phones) for ph in phs]
    sounds = [ph for _, ph in flat] + [None, None]      # None past the end
    units: list[Unit] = []
    for k, (letters, ph) in enumerate(flat):
        nxt, nxt2 = sounds[k + 1], sounds[k + 2]
        if ph == "ER" and (nxt in VOWELS_ARPA or (nxt == "R" and nxt2 in VOWELS_ARPA)):
            # an r-coloured vowel before a vowel keeps its r (Katherine); before
            # an r that opens the next syllable it is just the spelled vowel
            # (Teresa: Keleka, as Teressa; not Kaleka)
            v = [c for c in letters if c in "aeiou"]
            units.append(Unit("V", v[0] if v else "e", "EH", letters))
            if nxt != "R":
                units.append(Unit("C", "l", "R", letters))
        elif ph == "IY" and k == len(flat) - 1:
            units.append(Unit("V", "i", ph, letters))   # a final ee sound is i (Kacee)
        elif ph in ("AA", "AH") and letters == "i" and k > 0 and flat[k - 1] == ("o", "W"):
            units.append(Unit("V", "a", ph, letters))   # the French oi is wa (Antoine)
        elif ph in VOWELS_ARPA:
            units.append(Unit("V", _spelled_vowel(ph, letters), ph, letters))
        elif ph == "Y" and letters == "u":
            continue        # the glide of a spelled u is not written (Samuel: Kamuela)
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


# Vowel spellings read before the letters: marked with capitals that stand for
# Hawaiian vowels (I: i, U: u, E: e, O: o, A: ai).
_MARK_VOWELS = {"I": "i", "U": "u", "E": "e", "O": "o", "A": "ai"}
_MAGIC_E = {"a": "E", "e": "I", "i": "A", "y": "A", "o": "o", "u": "u"}


def _mark_spelled_vowels(low: str) -> str:
    low = re.sub(r"ques?$", "k", low)              # French -que(s): Jacques
    # a final -aeh says "ay-ah" (Nevaeh); an initial Ty before a consonant says "tie"
    # (Tyshawn); the ie of -ieda says ee (Frieda)
    low = re.sub(r"aeh$", "Ea", low)
    low = re.sub(r"^ty(?=[^aeiouy])", "tA", low)
    low = re.sub(r"ie(?=da$)", "I", low)
    # an initial gi before a, o or u is the Italian j, its i silent (Giada, Giulia, Giorgio);
    # Gia and Gioia, with no consonant after it, say the i
    low = re.sub(r"^gi(?=[aou][a-z]*[^aeiouy][a-z]*$)", "j", low)
    # the a of a final -acy, -acey, -acie, -aci or -acee says ay (Lacey, Kaci, Stacee)
    low = re.sub(r"(?:(?<=^)|(?<=[^aeiouy]))a(?=c(?:ee|ey|ie|i|y)$)", "E", low)
    low = low.replace("eau", "O").replace("eigh", "E").replace("igh", "A")
    if re.fullmatch(r"[^aeiouEOA]*ye?", low):
        low = re.sub(r"ye?$", "A", low)         # Ty, Skye: y is the only vowel
    # a final ee / ey / ie / y / ye sound is i (Bree, Geoffrey, Jodie, Kelly,
    # Billye)
    low = re.sub(r"(?<=[^aeiou])(?:ey|ie|ee|ye|y)$", "I", low)
    low = low.replace("ee", "I").replace("oo", "U")
    # ou says oo in names (Lou, Yousuf, Fatoumata), except before d, t, g or n and a
    # consonant (Louden, Doug, Mount)
    low = re.sub(r"ou(?!d|t|g|nd|nt|nc)", "U", low)
    # ae says ay (Jaelynn, Raegan, Janae), except in -ael (Rafael, Ismael)
    low = re.sub(r"ae(?!l$)", "E", low)
    low = re.sub(r"[ae]y(?=[^aeiou]|$)", "E", low)   # Kayley, Peyton: ay, ey say e
    # j after n, l or y before a final a says y (Tonja, Anja, Lilja)
    low = re.sub(r"(?<=[nly])j(?=a$)", "i", low)
    # the -aden names (-adin, -adon, -adyn after a consonant) and -aiden say ay (Jaden,
    # Jadyn, Braden, Kaiden); Adan, Adin and Adon, from other languages, keep their a
    low = re.sub(r"^aa(?=d[aeioy]n$)|^aE(?=den$)|(?<=[^aeiouy])a(?=d[aeioy]n$)|^a(?=den$)"
                 r"|ai(?=d[aeioy]n$)", "E", low)
    # a name's final -ise or -ize after another vowel says "eez" (Charlize),
    # -ine, -ile and -ime say "een", "eel" (Rosine, Lucile), but -line is
    # left to the rule below (Adaline); -yle says "il" (Cheryle)
    if re.search(r"[aeiouy][^aeiouy]+(?:i[szmnl]|yl)e$", low) and not low.endswith("line"):
        low = low[:-3] + ("I" if low[-3] == "i" else "i") + low[-2]
    # silent final e after one consonant lengthens the vowel before it
    # (Kate -> e, Bryce -> ai, Jude -> u); after other letters it is silent,
    # except in -nte, which names sound (Devonte, Dante: "tay")
    m = re.search(r"(?:^|[^aeiouy])([aeiouy])([^aeiouyhw])e$", low)
    if m and (m.start(1) > 0):
        low = low[:m.start(1)] + _MAGIC_E[m.group(1)] + m.group(2)
    elif low.endswith("nte"):
        low = low[:-1] + "E"
    elif re.search(r"[aeiouyIUEOA].*[^aeiouy]e$", low):
        low = low[:-1]
    # y as in "eye" between a consonant and a vowel (Ryan, Bryan); before u
    # it is a glide (Ryu)
    return re.sub(r"(?<=[^aeiouIUEOA])y(?=[aeio])", "A", low)


def units_from_spelling(word: str) -> list[Unit]:
    w = ""
    for c in _mark_spelled_vowels(word.lower()):   # doubled letters written once
        if not (w and w[-1] == c):
            w += c
    units: list[Unit] = []
    i, n = 0, len(w)
    while i < n:
        c = w[i]
        nxt = w[i + 1] if i + 1 < n else ""
        if c in _MARK_VOWELS:
            units.append(Unit("V", _MARK_VOWELS[c], "", c))
            i += 1
            continue
        if c in "aeiou" or (c == "y" and (not nxt or nxt not in "aeiou" or i > 0)):
            # vowel; y is a vowel except word-initially before a vowel
            units.append(Unit("V", "i" if c == "y" else c, "", c))
            i += 1
            continue
        if c == "y":                         # initial y before a vowel: a glide
            units.append(Unit("V", "i", "Y", c, {"glide"}))
            i += 1
            continue
        if c == "j":                         # an English j-sound: k
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


# Second-choice rules, used only when every first-choice form of a name is
# screened or is another name's established form:
#   split     two like consonants are both kept, the next vowel between them
#             (Stella: Kekela, Axel: Akakela) instead of being written once
#   keep_r    an r after a vowel is kept as l, as Bible forms keep it (Harper:
#             Halapa)
#   keep_er   an r-coloured vowel keeps its r as l (Connor: Konola)
# Writing /eɪ/ as ei or /oʊ/ as ou is not among them: it is not how Hawaiian
# writes those sounds, and it only respells the word it avoids (Kela as Keila,
# Kena as Keina, Seth's Keka as Keika), so it is a patched vowel, not a real
# alternative.
SECOND_CHOICES = (("split",), ("keep_r",), ("keep_er",),
                  ("keep_r", "keep_er"), ("split", "keep_r"))


def finish(units: list[Unit], options: tuple[str, ...] = ()) -> str:
    """Turn units into a Hawaiian word: drop, merge, break clusters, end in a vowel."""
    u = [Unit(x.kind, x.h, x.src, x.letters, set(x.meta)) for x in units]
    if "keep_r" in options or "keep_er" in options:
        res = []
        for x in u:
            if x.kind == "V" and x.src == "ER" and "keep_er" in options:
                v = [c for c in x.letters if c in "aeiou"]
                res += [Unit("V", v[0] if v else "e", "EH", x.letters),
                        Unit("C", "l", "R", x.letters, {"sounded"})]
            elif x.kind == "C" and x.src == "R" and "keep_r" in options:
                res.append(Unit("C", "l", "R", x.letters, x.meta | {"sounded"}))
            else:
                res.append(x)
        u = res
    # r after a vowel and before a consonant or at the end is dropped, unless
    # that would make two like syllables of two (Carter: Kalaka, not Kaka);
    # a sounded (Spanish, Portuguese) r is kept
    res: list[Unit] = []
    for k, x in enumerate(u):
        if x.kind == "C" and x.src == "R" and "sounded" not in x.meta \
                and res and res[-1].kind == "V":
            nxt = u[k + 1] if k + 1 < len(u) else None
            if nxt is None:
                if res[-1].src not in ("ER",) and res[-1].h[-1:] != "a":
                    res.append(Unit("V", "a", "R", x.letters))
                continue
            if nxt.kind == "C":
                before = res[-2] if len(res) > 1 and res[-2].kind == "C" else None
                after = u[k + 2] if k + 2 < len(u) else None
                if not (before and after and after.kind == "V" and before.h == nxt.h
                        and res[-1].h == after.h):
                    continue
        res.append(x)
    u = res
    # a nasal before a stop: voiced stops go, voiceless ones go before a
    # consonant or at the end (Frank, Andrew, Linda); a final d after l goes
    # too (Ronald: Lonala, as Donald: Konala)
    res = []
    for k, x in enumerate(u):
        prev = res[-1] if res else None
        nxt = u[k + 1] if k + 1 < len(u) else None
        if x.kind == "C" and prev and prev.kind == "C" and prev.src in NASALS:
            if x.src in VOICED_STOPS:
                continue
            if x.src in VOICELESS_STOPS and (nxt is None or nxt.kind == "C"):
                continue
        if x.kind == "C" and x.src == "D" and nxt is None and prev and prev.kind == "C" \
                and prev.src == "L":
            continue
        res.append(x)
    u = res
    # the same consonant twice in a row is written once (st, ks, ts)
    res = []
    for x in u:
        if x.kind == "C" and res and res[-1].kind == "C" and res[-1].h == x.h \
                and not ("keep" in x.meta and "keep" in res[-1].meta) and "split" not in options:
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
            elif "sounded" in x.meta and x.src in ("R", "L") and k > 0 and u[k - 1].kind == "V":
                ep = u[k - 1].h[-1]           # Fernando: Pelenano
            elif "split" in options and nxt.h == x.h:
                after = next((y for y in u[k + 1:] if y.kind == "V"), None)
                ep = after.h[0] if after else "a"
            elif nxt.src == "R" or nxt.src == "L":
                first = x.src.split("+")[0]
                after = next((y for y in u[k + 1:] if y.kind == "V"), None)
                ep = after.h[0] if first in OBSTRUENTS and after else "a"
            else:
                ep = "a"
            out += ep
    # tidy: doubled vowels once, no "wu"; where dropping the w of "wu" would
    # merge two syllables (Durwood: Kuwuka, Kuka) there is no form
    out = re.sub(r"([aeiou])\1+", r"\1", out)
    if "uwu" in out:
        return ""
    out = re.sub(r"wu", "u", out)
    out = re.sub(r"([aeiou])\1+", r"\1", out)
    return out


def pron_form(word: str, phones: list[str], options: tuple[str, ...] = ()) -> str:
    return capitalise_form(finish(units_from_pron(word.lower(), phones), options))


def spell_form(word: str) -> str:
    return capitalise_form(finish(units_from_spelling(word)))



# --------------------------------------------------------------------------
# Spanish and Portuguese readings (espeak-ng es-419 and pt-br phonemes)
# --------------------------------------------------------------------------
# Vowels are written as they sound, which is mostly as they are spelled; the
# Portuguese reduced final o and e (ʊ, ɨ) are written as spelled.
ROMANCE_VOWELS = {
    "a": "a", "ɐ": "a", "e": "e", "ɛ": "e", "i": "i", "ɪ": "i", "o": "o", "ɔ": "o",
    "u": "u", "ʊ": "o", "ɨ": "e", "ɐ̃": "a", "ẽ": "e", "ĩ": "i", "õ": "o", "ũ": "u",
    "aɪ": "ai", "aʊ": "au", "eɪ": "ei", "eʊ": "eu", "ɛʊ": "eu", "iʊ": "iu", "oɪ": "oi",
    "ɔɪ": "oi", "uɪ": "ui", "ɐ̃ʊ̃": "ao", "ẽɪ̃": "ei", "õɪ̃": "oi", "ɐ̃ɪ̃": "ai",
}
# Consonants: (Hawaiian letter, sound class as in the English rules).  j and
# g before e or i sound as h in Spanish (x), so they are written h: Juan ->
# Huana, Jose -> Hoke.  An r is sounded and kept as l.
ROMANCE_CONSONANTS = {
    "p": ("p", "P"), "b": ("p", "B"), "β": ("p", "B"), "f": ("p", "F"), "v": ("w", "V"),
    "t": ("k", "T"), "d": ("k", "D"), "ð": ("k", "D"), "k": ("k", "K"), "ɡ": ("k", "G"),
    "g": ("k", "G"), "ɣ": ("k", "G"), "s": ("k", "S"), "z": ("k", "Z"), "θ": ("k", "S"),
    "ʃ": ("k", "SH"), "ʒ": ("k", "ZH"), "tʃ": ("k", "CH"), "dʒ": ("k", "JH"),
    "x": ("h", "HH"), "h": ("h", "HH"), "χ": ("h", "HH"), "ʁ": ("h", "HH"),
    "m": ("m", "M"), "n": ("n", "N"), "ŋ": ("n", "NG"), "ɲ": ("n", "N"),
    "l": ("l", "L"), "ʎ": ("l", "L"), "ɾ": ("l", "R"), "r": ("l", "R"), "ɹ": ("l", "R"),
    "w": ("w", "W"),
}
ROMANCE_GLIDES = {"j": "i", "ʝ": "i"}
ROMANCE_SILENT = {"ə"}       # pt-br breaks clusters with it; the rules here do that


def units_from_romance(word: str, ipa: str) -> list[Unit]:
    """Units of a Spanish or Portuguese reading.  b and v sound alike there; the
    spelling tells which (Valentina -> Walenekina, Roberto -> Lopeleko)."""
    bv_letters = [c for c in word.lower() if c in "bv"]
    units: list[Unit] = []
    for tok in ipa_tokens(ipa):
        if tok in ROMANCE_SILENT:
            continue
        if tok in ROMANCE_VOWELS:
            v = ROMANCE_VOWELS[tok]
            if tok == "iʊ" and word.lower().endswith("io"):
                v = "io"                             # Fabio, Marcio: final -io
            units.append(Unit("V", v, "V", tok))
        elif tok in ROMANCE_GLIDES:
            if not (units and units[-1].kind == "V" and units[-1].h.endswith("i")):
                units.append(Unit("V", "i", "Y", tok, {"glide"}))
        elif tok == "w" and units and (units[-1].kind == "C" or units[-1].h[-1] in "ao"):
            units.append(Unit("V", "u", "W", tok))    # Juan -> Huana, Lourdes
        elif tok in ROMANCE_CONSONANTS:
            h, src = ROMANCE_CONSONANTS[tok]
            if src in ("B", "V") and bv_letters:
                h = "w" if bv_letters.pop(0) == "v" else "p"
            if tok == "ɲ":                       # ñ: n and a glide
                units += [Unit("C", "n", "N", tok, {"sounded"}), Unit("V", "i", "Y", tok, {"glide"})]
                continue
            units.append(Unit("C", h, src, tok, {"sounded"}))
        else:
            raise ValueError(f"unknown espeak phoneme {tok!r} in {ipa!r}")
    return units


def romance_form(word: str, ipa: str) -> str:
    return capitalise_form(finish(units_from_romance(word, ipa)))
