"""Readers for the hand-kept, reviewed files beside this script.

    core.txt, fill.txt   word pos | example sentence (the word written out)
    senses.txt           word pos.N | reason, or word pos = Meaning | reason
    categories.txt       Category: word | example sentence ("=": WordNet's, reviewed)
    review.txt           - word reason / - Category: word reason / + word reason
                         / ~ word reason (its frequency counts another word)

Every reader stops with the file name and line number of a line it cannot read,
so that a slip in the data never passes silently."""

import os
import re
from collections import defaultdict, namedtuple

HERE = os.path.dirname(os.path.abspath(__file__))

Entry = namedtuple("Entry", "word pos sentence where")
Sense = namedtuple("Sense", "number meaning reason")


def _lines(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if line.strip() and not line.startswith("#"):
                yield n, line


def word_entries(name):
    """core.txt or fill.txt: (word, pos, sentence) in file order. A sentence
    of "=" takes WordNet's own example of the chosen sense."""
    out, seen = [], set()
    for n, line in _lines(name):
        m = re.fullmatch(r"([a-z]+) ([nvar]) \| (.+)", line)
        if not m:
            raise SystemExit(f"{name}:{n}: cannot read {line!r}")
        word, pos, sentence = m.groups()
        if word in seen:
            raise SystemExit(f"{name}:{n}: {word} twice")
        seen.add(word)
        out.append(Entry(word, pos, sentence.strip(), f"{name}:{n}"))
    return out


def senses():
    """senses.txt: (word, pos) -> Sense(number or None, meaning or None, reason)."""
    out = {}
    for n, line in _lines("senses.txt"):
        m = re.fullmatch(r"([a-z]+) ([nvar])(?:\.(\d+) \| (.+)| = (.+?) \| (.+))", line)
        if not m:
            raise SystemExit(f"senses.txt:{n}: cannot read {line!r}")
        word, pos, number, reason1, meaning, reason2 = m.groups()
        if (word, pos) in out:
            raise SystemExit(f"senses.txt:{n}: {word} {pos} twice")
        out[(word, pos)] = Sense(int(number) if number else None, meaning, reason1 or reason2)
    return out


def category_examples(names):
    """categories.txt: (category, word in lower case) -> example sentence."""
    out = {}
    for n, line in _lines("categories.txt"):
        m = re.fullmatch(r"([A-Z][A-Za-z ]+): ([A-Za-z]+) \| (.+)", line)
        if not m or m.group(1) not in names:
            raise SystemExit(f"categories.txt:{n}: cannot read {line!r}")
        key = (m.group(1), m.group(2).lower())
        if key in out:
            raise SystemExit(f"categories.txt:{n}: {m.group(2)} twice in {m.group(1)}")
        out[key] = m.group(3).strip()
    return out


def review(names):
    """review.txt: '- word reason' leaves a word out of the main table,
    '- Category: word reason' out of one category, '+ word reason' keeps a word
    that the automatic rules would drop, and '~ word reason' marks a word whose
    frequency counts belong to another word (august, the month)."""
    drop, keep, freq_other = {}, {}, {}
    drop_special = defaultdict(dict)
    for n, line in _lines("review.txt"):
        m = re.fullmatch(r"([-+~]) (?:([A-Z][A-Za-z ]+): )?([A-Za-z]+)\s+(.+)", line)
        if not m or (m.group(1) != "-" and m.group(2)):
            raise SystemExit(f"review.txt:{n}: cannot read {line!r}")
        sign, category, word, reason = m.groups()
        if category:
            if category not in names:
                raise SystemExit(f"review.txt:{n}: no category {category!r}")
            drop_special[category][word.lower()] = reason.strip()
        else:
            {"-": drop, "+": keep, "~": freq_other}[sign][word] = reason.strip()
    return drop, keep, freq_other, drop_special
