#!/usr/bin/env python3
"""Records what a shipped version of the word tables held, so that the upgrade of a
learner's word database can tell a meaning or example the learner edited from one the
program shipped. Appends one line per row of the given tables to share/content-history.csv:

    version,table,name,specialwl,meaning,example,bookmark,doublebm

meaning and example are the first 16 hex digits of the SHA-1 of the UTF-8 text as stored.
Run it with the tables of a version before they are replaced by the next one:

    python3 tools/wordlist/content_history.py 2 share/words.csv share/spwl.csv
"""
import csv
import hashlib
import os
import sys

HISTORY = os.path.join(os.path.dirname(__file__), "..", "..", "share", "content-history.csv")
HEADER = ["version", "table", "name", "specialwl", "meaning", "example", "bookmark", "doublebm"]


def digest(text):
    return hashlib.sha1(text.encode("utf-8")).hexdigest()[:16]


def rows(version, table, path):
    with open(path, newline="", encoding="utf-8") as f:
        for r in csv.DictReader(f):
            yield [version, table, r["name"], r["specialwl"] if table == "spwl" else "",
                   digest(r["meaning"]), digest(r["example"]), r["bookmark"], r["doublebm"]]


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    version, words, spwl = sys.argv[1:]
    exists = os.path.exists(HISTORY)
    with open(HISTORY, "a", newline="", encoding="utf-8") as f:
        out = csv.writer(f, lineterminator="\n")
        if not exists:
            out.writerow(HEADER)
        for table, path in (("words", words), ("spwl", spwl)):
            for row in rows(version, table, path):
                out.writerow(row)


if __name__ == "__main__":
    main()
