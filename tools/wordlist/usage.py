"""Turns a WordNet example sentence into a usage example with the placeholder.

The game masks the first "---" together with up to three non-blank characters
written against it on either side, so the word is replaced by "---" plus at
most a three-letter inflection, and the placeholder never opens the text."""

import re

PLACEHOLDER = "---"
VOWELS = set("aeiou")
_TOKEN = re.compile(r"[A-Za-z]+")


def _doubles(w):
    # abet -> abetted: consonant-vowel-consonant ending, not w, x or y.
    return (len(w) >= 3 and w[-1] not in VOWELS and w[-1] not in "wxy"
            and w[-2] in VOWELS and w[-3] not in VOWELS)


def regular_forms(word, pos):
    """Inflected forms of `word` mapped to the suffix written after "---".

    The suffix is the literal tail when the form is the word plus that tail
    (abase -> abased: "d", abet -> abetted: "ted"), else the inflection it
    stands for (abasing: "ing", vilified: "ed"): such a form is recognised
    but not masked, since its ending would not join the headword."""
    w = word
    forms = {w: ""}

    def add(form, label):
        if form != w and form not in forms:
            tail = form[len(w):] if form.startswith(w) else None
            forms[form] = tail if tail and len(tail) <= 3 else label

    ends_y = w.endswith("y") and len(w) > 1 and w[-2] not in VOWELS
    ends_e = w.endswith("e") and not w.endswith(("ee", "ye", "oe"))
    if pos in ("n", "v"):
        if w.endswith(("s", "x", "z", "ch", "sh")):
            add(w + "es", "es")
        elif ends_y:
            add(w[:-1] + "ies", "s")
        else:
            add(w + "s", "s")
    if pos == "v":
        if ends_y:
            add(w[:-1] + "ied", "ed")
        elif w.endswith("e"):
            add(w + "d", "d")
        else:
            add(w + "ed", "ed")
        if w.endswith("ie"):
            add(w[:-2] + "ying", "ing")
        elif ends_e:
            add(w[:-1] + "ing", "ing")
        else:
            add(w + "ing", "ing")
        if _doubles(w):
            add(w + w[-1] + "ed", "ed")
            add(w + w[-1] + "ing", "ing")
        if w.endswith("c"):
            add(w + "ked", "ed")
            add(w + "king", "ing")
    if pos == "a":
        if ends_y:
            add(w[:-1] + "ier", "er")
            add(w[:-1] + "iest", "est")
        elif w.endswith("e"):
            add(w + "r", "r")
            add(w + "st", "st")
        else:
            add(w + "er", "er")
            add(w + "est", "est")
            if _doubles(w):
                add(w + w[-1] + "er", "er")
                add(w + w[-1] + "est", "est")
    return forms


def all_forms(word, wn):
    """Every written form of the word in any part of speech, irregular ones included."""
    out = set()
    for pos in "nvar":
        out.update(regular_forms(word, pos))
        out.update(wn.exceptions.get((word, pos), ()))
    return out


def word_count(text):
    return len(_TOKEN.findall(text))


def mask_example(word, pos, example, every_form):
    """The example with the word written as the placeholder, or None.

    None when the word does not occur in a regular form whose ending joins it
    as written (abased: "---d"; not bandied or abasing), occurs more than once
    (in any form), stands in a hyphen compound or an apostrophe form, opens
    the sentence, or when the sentence holds dashes of its own."""
    if "--" in example or PLACEHOLDER in example:
        return None
    forms = regular_forms(word, pos)
    hits = [m for m in _TOKEN.finditer(example) if m.group().lower() in every_form]
    if len(hits) != 1:
        return None
    m = hits[0]
    form = m.group().lower()
    if form not in forms:
        return None          # an irregular form: leave it to another example
    if form != word + forms[form]:
        # bandied, abasing: "---ed" and "---ing" would not join the headword as
        # the learner sees it; such a sentence is written with another form.
        return None
    start, end = m.span()
    before = example[start - 1] if start > 0 else ""
    after = example[end] if end < len(example) else ""
    if before != " " or after in ("-", "'"):
        return None
    masked = example[:start] + PLACEHOLDER + forms[form] + example[end:]
    # Derivations (laconically) would give the word away just as well.
    if word in masked.lower():
        return None
    return masked[0].upper() + masked[1:]


def is_maskable(text):
    """The game's masking rule holds: a first placeholder, not at the start,
    preceded by a blank and followed by at most three letters."""
    p = text.find(PLACEHOLDER)
    if p <= 0 or text[p - 1] != " ":
        return False
    tail = re.match(r"[A-Za-z]*", text[p + 3:]).group()
    return len(tail) <= 3
