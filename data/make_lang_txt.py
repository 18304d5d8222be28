#!/usr/bin/env python3
"""Writes Lang.txt, the text source of the language data, from the alphabets below,
and the code-page facts its validator test checks the file against.

Lang.txt must stay pure ASCII (it survives any editor), so every non-ASCII letter
is written as its decimal code in the language's ANSI and OEM code pages; this
script derives those codes from Python's codecs instead of by hand. Run it after
changing an alphabet and commit what it writes:  python3 data/make_lang_txt.py

base/tests/data/lang_codepages.txt does not depend on the alphabets below: for each
pair of code pages it lists every letter of the ANSI page with its capital, small,
OEM and undecorated forms as the codecs give them, so that the validator catches a
wrong code in Lang.txt whichever way it got there.
"""
import pathlib
import unicodedata

# (name, abbreviation, LANGID hex, ANSI page, OEM page, letters in dictionary order)
# A letter is "x" (plain) or "x:b" (x with base letter b). Accented letters follow
# their base letter, so dictionaries sort them right after it.
LATIN = "abcdefghijklmnopqrstuvwxyz"


def with_extras(extras):
    """The Latin alphabet with each accented letter placed after its base letter."""
    letters = []
    for base in LATIN:
        letters.append(base)
        letters.extend(f"{x}:{b}" for x, b in extras if b == base)
    return letters


LANGUAGES = [
    ("Russian", "ru", "419", "cp1251", "cp866",
     [{"ё": "ё:е", "й": "й:и"}.get(ch, ch) for ch in "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"]),
    ("English", "en", "409", "cp1252", "cp850", list(LATIN)),
    ("German", "de", "407", "cp1252", "cp850",
     with_extras([("ä", "a"), ("ö", "o"), ("ß", "s"), ("ü", "u")])),
    ("French", "fr", "40C", "cp1252", "cp850",
     with_extras([("à", "a"), ("â", "a"), ("æ", "a"), ("ç", "c"), ("é", "e"), ("è", "e"),
                  ("ê", "e"), ("ë", "e"), ("î", "i"), ("ï", "i"), ("ô", "o"), ("œ", "o"),
                  ("ù", "u"), ("û", "u"), ("ü", "u"), ("ÿ", "y")])),
    ("Spanish", "es", "40A", "cp1252", "cp850",
     with_extras([("á", "a"), ("é", "e"), ("í", "i"), ("ñ", "n"), ("ó", "o"), ("ú", "u"),
                  ("ü", "u")])),
    ("Portuguese", "pt", "416", "cp1252", "cp850",
     with_extras([("á", "a"), ("â", "a"), ("ã", "a"), ("à", "a"), ("ç", "c"), ("é", "e"),
                  ("ê", "e"), ("í", "i"), ("ó", "o"), ("ô", "o"), ("õ", "o"), ("ú", "u"),
                  ("ü", "u")])),
    ("Dutch", "nl", "413", "cp1252", "cp850",
     with_extras([("á", "a"), ("à", "a"), ("ä", "a"), ("é", "e"), ("è", "e"), ("ë", "e"),
                  ("ê", "e"), ("í", "i"), ("ï", "i"), ("ó", "o"), ("ö", "o"), ("ú", "u"),
                  ("ü", "u")])),
    ("Italian", "it", "410", "cp1252", "cp850",
     with_extras([("à", "a"), ("è", "e"), ("é", "e"), ("ì", "i"), ("í", "i"), ("î", "i"),
                  ("ò", "o"), ("ó", "o"), ("ù", "u"), ("ú", "u")])),
]

VOWELS = set("aeiouyаеёиоуыэюя")
NEITHER = set("ъь")
# Latin spellings of the Cyrillic letters (at most 3 characters each).
CYRILLIC_LATIN = dict(zip(
    "абвгдеёжзийклмнопрстуфхцчшщъыьэюя",
    ["a", "b", "v", "g", "d", "e", "yo", "zh", "z", "i", "j", "k", "l", "m", "n", "o", "p",
     "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "sch", "'", "y", "'", "e", "yu", "ya"]))
LIGATURES = {"æ": "ae", "œ": "oe", "ß": "ss"}


def code(ch, page, fallback=None):
    """Decimal code of ch in the page, or ASCII ch itself; fallback when the page lacks it."""
    try:
        value = ch.encode(page)[0]
    except UnicodeEncodeError:
        value = fallback.encode(page)[0]
    return chr(value) if chr(value).isascii() and chr(value).isalpha() else str(value)


def upper(ch):
    # ß has no capital in these code pages: it is a caseless letter.
    return ch if ch == "ß" else ch.upper()


def row(letter, ansi, oem):
    lower, _, base = letter.partition(":")
    base = base or lower
    up, base_up = upper(lower), upper(base)
    # An accented Latin letter is of its base letter's class; the Cyrillic
    # letters are listed (й has base и but is a consonant).
    latin_vowel = base != lower and base in LATIN and base in VOWELS
    cls = "-" if lower in NEITHER else ("v" if lower in VOWELS or latin_vowel else "c")
    translit = CYRILLIC_LATIN.get(lower) or LIGATURES.get(lower) or base
    # A letter without an OEM form takes its base letter's code: OEM 0 would be a NUL.
    fields = [code(lower, ansi),
              "-" if base == lower else code(base, ansi),
              code(up, ansi),
              "-" if base == lower else code(base_up, ansi),
              code(lower, oem, base), code(up, oem, base_up), cls, translit]
    return " ".join(fields)


def page_facts(ansi, oem):
    """Lines "byte upper lower oem base" for the letters of the ANSI page; '-' where
    the page has no such form (no single-character capital, no OEM code, no base)."""
    def ansi_code(text):
        try:
            encoded = text.encode(ansi)
        except UnicodeEncodeError:
            return "-"
        return str(encoded[0]) if len(text) == 1 and len(encoded) == 1 else "-"

    lines = []
    for byte in range(1, 256):
        try:
            ch = bytes([byte]).decode(ansi)
        except UnicodeDecodeError:
            continue
        if not ch.isalpha():
            continue
        try:
            oem_code = str(ch.encode(oem)[0])
        except UnicodeEncodeError:
            oem_code = "-"
        base = unicodedata.normalize("NFD", ch)[0]
        lines.append(" ".join([str(byte), ansi_code(ch.upper()), ansi_code(ch.lower()), oem_code,
                               ansi_code(base) if base != ch else "-"]))
    return lines


def write_codepage_facts(root):
    out = ["* Letters of the ANSI code pages: byte capital small OEM base ('-': none).",
           "* Written by data/make_lang_txt.py from Python's codecs."]
    pages = []
    for _, _, langid, ansi, oem, _ in LANGUAGES:
        out.append(f"LANG {langid} {ansi} {oem}")
        if (ansi, oem) not in pages:
            pages.append((ansi, oem))
    for ansi, oem in pages:
        out.append(f"PAGES {ansi} {oem}")
        out.extend(page_facts(ansi, oem))
    path = root / "base" / "tests" / "data" / "lang_codepages.txt"
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(("\n".join(out) + "\n").encode("ascii"))


def main():
    out = ["* Alphabets of the Morvex dictionary: the text source of Lang.dat.",
           "* Written by data/make_lang_txt.py; edit the script, not this file.",
           "* Rows: Lower BaseLower Upper BaseUpper OemLower OemUpper Class Transliteration",
           "* Codes are decimal (ANSI 1251/866 for Russian, 1252/850 otherwise); '-' = the row's own letter.",
           "* Row order is dictionary order."]
    for name, abbr, langid, ansi, oem, letters in LANGUAGES:
        out.append(f"LANG {name} {abbr} {langid}")
        out.append(f"CHAR {len(letters)}")
        out.extend(row(letter, ansi, oem) for letter in letters)
    path = pathlib.Path(__file__).with_name("Lang.txt")
    path.write_bytes(("\n".join(out) + "\n").encode("ascii"))
    write_codepage_facts(path.parent.parent)


if __name__ == "__main__":
    main()
