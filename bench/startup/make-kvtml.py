#!/usr/bin/env python3
"""Writes a KVTML 2.0 vocabulary file of N words of share/words.csv (word and meaning), for
starting another vocabulary program on a comparable list. Past the end of the table the
words come round again with a number after them ("aback 2"), so that entries stay distinct."""
import csv
import sys
from xml.sax.saxutils import escape

words_csv, out, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
with open(words_csv, newline="", encoding="utf-8") as f:
    table = list(csv.DictReader(f))
rows = []
for i in range(count):
    r = table[i % len(table)]
    lap = i // len(table)
    rows.append({"name": r["name"] + (f" {lap + 1}" if lap else ""), "meaning": r["meaning"]})
with open(out, "w", encoding="utf-8") as f:
    f.write('<?xml version="1.0" encoding="UTF-8"?>\n<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" '
            '"http://edu.kde.org/kvtml/kvtml2.dtd">\n<kvtml version="2.0">\n'
            '<information><generator>verbaloom bench</generator><title>Verbaloom words</title>'
            '</information>\n<identifiers><identifier id="0"><name>Word</name><locale>en</locale>'
            '</identifier><identifier id="1"><name>Meaning</name><locale>en</locale></identifier>'
            '</identifiers>\n<entries>\n')
    for i, r in enumerate(rows):
        f.write(f'<entry id="{i}"><translation id="0"><text>{escape(r["name"])}</text>'
                f'</translation><translation id="1"><text>{escape(r["meaning"])}</text>'
                f'</translation></entry>\n')
    f.write('</entries>\n</kvtml>\n')
print(f"{len(rows)} entries")
