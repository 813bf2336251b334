#!/usr/bin/env python3
"""Checks the shipped word data (share/words.csv, share/spwl.csv,
share/TIPOFDAY.TXT, share/CONTENT_VERSION) against the rules the program and
the word list rely on.

    python3 tools/wordlist/check.py     # prints "N passed, N failed", exits 1 on failure

Standard library only; besides the shipped files it reads only the reviewed
lists beside it (core.txt, fill.txt, review.txt), not the generator's sources."""

import csv
import io
import os
import re
import sys
from collections import Counter

HERE = os.path.dirname(os.path.abspath(__file__))
SHARE = os.path.join(os.path.dirname(os.path.dirname(HERE)), "share")
HEADER = "name,meaning,example,groupid,bookmark,doublebm,highfw,specialwl"
CATEGORIES = [
    "Anthropology", "Aroma", "Crime", "Dance", "Death", "Dimension", "Eating",
    "Education", "Fights", "Gods", "Language", "Literature", "Mania", "Music",
    "Mythology", "Personality Traits", "Phobias", "Place", "Psychological",
    "Religion", "Sculpture", "Shapes", "Sociology", "Taste", "Theatre", "Time",
    "Violence",
]

# The vocabulary tips and the words each cites as an example: every one must be
# a word the tables carry, so that the learner can look it up.
TIP_WORDS = {
    "Do word roots help?": "benevolent beneficent malevolent malign loquacious soliloquy",
    "Disinterested or uninterested?": "disinterested",
    "Affect or effect?": "affect",
    "Flout or flaunt?": "flout flaunt",
    "Ingenious or ingenuous?": "ingenious ingenuous venal venial",
    "Credible or credulous?": "credible credulous exalt exult",
    "Which words mean something other than they seem to?": "enervate noisome fulsome bemused enormity",
    "What does omni- mean?": "omnipotent omniscient omnipresent omnivorous",
    "What does circum- mean?": "circumspect circumvent circumlocution",
    "Which roots carry truth, faith and light?": "veracity verisimilitude aver fidelity "
                                                 "perfidious diffident lucid elucidate translucent",
    "What do culpable and exculpate share?": "culpable exculpate",
    "Frugal, thrifty or parsimonious?": "frugal thrifty parsimonious",
    "How do I describe how much someone says?": "laconic terse succinct loquacious garrulous "
                                                "verbose prolix",
    "What do gregarious and egregious share?": "gregarious egregious",
    "What does eu- mean?": "euphemism eulogy euphony",
    "When should I use a formal word?": "ameliorate aver peruse",
}
MIN_EXAMPLE_WORDS = 6
# A meaning that is only a usage label or a bare negation, or that is cut off.
LABEL_ONLY = re.compile(r"^(\([^)]*\)\s*)?(used (as|of|especially|with)\b.*|often used as .*|"
                        r"not \w+|[A-Za-z]+)$", re.I)
CUT_OFF = (",", ";", ":", " or", " and", " the", " a")
# Endings of a noun or adverb made from an adjective, with the adjective's ending.
DERIVED_ENDINGS = [("acity", "acious"), ("ocity", "ocious"), ("osity", "ous"),
                   ("ility", "ile"), ("ility", "le"), ("ity", "e"), ("ity", ""),
                   ("iness", "y"), ("ness", ""), ("ily", "y"), ("ly", ""), ("ly", "le")]

# The letters against the placeholder are the inflection as written after the
# word: a consonant + y word takes no -s or -ed there (bandied, vagaries), a word
# in a silent e none that drops the e (abasing).
BROKEN_JOIN = re.compile(r"[^aeiou]y/(s|es|ed|er|est)$|[^eoy]e/(ing|ed|es|er|est)$")

results = {"passed": 0, "failed": 0}


def check(name, problems):
    """One named check; `problems` lists what is wrong (empty: it passes)."""
    problems = list(problems)
    if problems:
        results["failed"] += 1
        print(f"FAIL {name}: {len(problems)} problem(s)")
        for p in problems[:15]:
            print(f"     {p}")
    else:
        results["passed"] += 1
        print(f"ok   {name}")


def game_mask(text):
    """The word game's masking of the usage example: the first "---" and up to
    three non-blank characters against it on either side become "*****".
    None where the game's masking fails."""
    p = text.find("---")
    if p < 0:
        return None
    start, n = p, 3
    for back in (1, 2, 3):
        if p - back < 0:
            return None
        if text[p - back] == " ":
            break
        start, n = p - back, n + 1
    for ahead in (3, 4, 5):
        if p + ahead < len(text) and text[p + ahead] == " ":
            break
        n += 1
    return text[:start] + "***** " + text[start + n:]


def example_problem(name, example):
    """Why a usage example cannot serve the study card and the game, or None."""
    if example.startswith("---"):
        return "begins with the placeholder"
    m = re.search(r"(\S*)---(\S*)", example)
    if not m:
        return "no placeholder"
    before = re.match(r"[A-Za-z]*", m.group(1)[::-1]).group()
    after = re.match(r"[A-Za-z]*", m.group(2)).group()
    if len(before) > 3 or len(after) > 3:
        return "more than three letters attached to the placeholder"
    if BROKEN_JOIN.search(name + "/" + after):
        return "the ending does not join the word (bandy + ed, abase + ing)"
    masked = game_mask(example)
    if masked is None or "---" in masked:
        return "the game cannot mask it"
    if re.search(re.escape(name), example, re.I):
        return "names the word besides the placeholder"
    return None


def sentence_problem(example):
    """Why an example is not a real sentence of six words or more, or None."""
    if len(re.findall(r"(?:---)?[A-Za-z]+(?:'[a-z]+)?|---", example)) < MIN_EXAMPLE_WORDS:
        return f"fewer than {MIN_EXAMPLE_WORDS} words"
    if "..." in example or "\u2026" in example or "`" in example or "(or " in example:
        return "a splice, a synonym aside or a backquote"
    if example.count("---") != 1:
        return "more than one placeholder"
    if not re.search(r"[.!?][\"']?$", example) or not re.match(r"[\"']?[A-Z]", example):
        return "does not start and end as a sentence"
    return None


def derived_from(name, listed):
    """The listed adjective `name` is a transparent -ness, -ity or -ly form of."""
    for end, base_end in DERIVED_ENDINGS:
        if name.endswith(end) and len(name) - len(end) >= 3:
            base = name[: -len(end)] + base_end
            if base != name and base in listed:
                return base
    return None


def reviewed(name):
    """(word, part of speech) of core.txt or fill.txt, in file order."""
    out = []
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            m = re.match(r"([a-z]+) ([nvar]) \|", line)
            if m:
                out.append(m.groups())
    return out


def review_keeps():
    """Words review.txt keeps although the automatic rules would drop them."""
    with open(os.path.join(HERE, "review.txt"), encoding="utf-8") as f:
        return {line.split()[1] for line in f if line.startswith("+ ")}


def gives_away(name, meaning):
    need = max(5, len(name) - 3) if len(name) > 5 else len(name)
    return any(t.startswith(name[:need]) for t in re.findall(r"[a-z]+", meaning.lower()))


def read_table(path):
    with open(path, "rb") as f:
        data = f.read()
    problems = []
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        return None, [f"not UTF-8: {e}"]
    if "\r" in text.replace('\r\n', ''):
        problems.append("bare CR")
    if text.splitlines()[0] != HEADER:
        problems.append(f"header is {text.splitlines()[0]!r}")
    if "\r\n" in text:
        problems.append("CR LF line ends (LF expected)")
    rows = list(csv.reader(io.StringIO(text, newline=""), strict=True))
    for n, row in enumerate(rows[1:], 2):
        if len(row) != 8:
            problems.append(f"record {n}: {len(row)} fields")
    # Writing the records back with minimal quoting must give the same bytes:
    # every quote, comma and line break inside a field survived the reading.
    out = io.StringIO(newline="")
    for row in rows:
        out.write(",".join('"' + f.replace('"', '""') + '"' if any(c in f for c in ',"\r\n')
                           else f for f in row) + "\n")
    if out.getvalue() != text:
        problems.append("does not round-trip through an RFC 4180 reader and writer")
    records = [dict(zip(HEADER.split(","), r)) for r in rows[1:] if len(r) == 8]
    return records, problems


def load_blocklist():
    words = set()
    with open(os.path.join(HERE, "blocklist.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                words.add(line.split()[0].lower())
    return words


def main():
    words, problems = read_table(os.path.join(SHARE, "words.csv"))
    check("words.csv is well-formed UTF-8 CSV with the header", problems)
    special, problems = read_table(os.path.join(SHARE, "spwl.csv"))
    check("spwl.csv is well-formed UTF-8 CSV with the header", problems)
    if words is None or special is None:
        return

    check("both tables hold quoted fields (commas or quotes inside a field)",
          [] if any("," in r["meaning"] + r["example"] for r in words)
          and any('"' in r["example"] or "," in r["example"] for r in words)
          else ["no field with a comma or quote: the round trip proves nothing"])

    flags = ("bookmark", "doublebm", "highfw")
    check("marks are 0 or 1, group a whole number", [
        f"{r['name']}: {k}={r[k]!r}" for t in (words, special) for r in t for k in flags
        if r[k] not in ("0", "1")] + [
        f"{r['name']}: groupid={r['groupid']!r}" for t in (words, special) for r in t
        if not r["groupid"].isdigit()])
    check("Very Difficult always with Difficult", [
        r["name"] for t in (words, special) for r in t
        if r["doublebm"] == "1" and r["bookmark"] != "1"])

    names = Counter(r["name"] for r in words)
    check("name unique in words", [n for n, c in names.items() if c > 1])
    check("specialwl empty in words", [r["name"] for r in words if r["specialwl"]])

    groups = Counter(int(r["groupid"]) for r in words)
    main_rows = [r for r in words if 1 <= int(r["groupid"]) <= 50]
    check("groupid in 1-53; lists 51 and 52 empty", [
        f"list {g}" for g in groups if not 1 <= g <= 53 or g in (51, 52)])
    sizes = [groups.get(g, 0) for g in range(1, 51)]
    check("lists 1-50: at least 4,000 words, about equal in size", (
        [f"{len(main_rows)} words"] if len(main_rows) < 4000 else []) + (
        [f"sizes from {min(sizes)} to {max(sizes)}"] if max(sizes) > 1.1 * min(sizes) else []))
    check("list 53: at most 1,500 words, none with an example", (
        [f"{groups.get(53, 0)} words"] if groups.get(53, 0) > 1500 else []) + [
        r["name"] for r in words if r["groupid"] == "53" and r["example"]])

    check("lists 1-50: names lower-case a-z, 3 to 15 letters", [
        r["name"] for r in main_rows if not re.fullmatch(r"[a-z]{3,15}", r["name"])])
    check("every word has a meaning that does not contain it", [
        r["name"] for r in words if not r["meaning"].strip() or gives_away(r["name"], r["meaning"])])
    check("lists 1-50: usage example with a maskable placeholder", [
        f"{r['name']}: {example_problem(r['name'], r['example'])}: {r['example']!r}"
        for r in main_rows if example_problem(r["name"], r["example"])])
    check("examples: real sentences of six words or more, one placeholder, no splices", [
        f"{r['name']}: {sentence_problem(r['example'])}: {r['example']!r}"
        for t in (words, special) for r in t
        if r["example"] and sentence_problem(r["example"])])
    check("meanings: not only a usage label or a negation, not cut off", [
        f"{r['name']}: {r['meaning']!r}" for t in (words, special) for r in t
        if LABEL_ONLY.match(r["meaning"]) or r["meaning"].endswith(CUT_OFF)])

    core = reviewed("core.txt")
    by_name = {r["name"]: r for r in main_rows}
    check("core.txt: at least 1,200 words, each in lists 1-50 with meaning and example", (
        [f"{len(core)} words"] if len(core) < 1200 else []) + [
        w for w, _ in core if w not in by_name or not by_name[w]["meaning"]
        or not by_name[w]["example"]])
    keep = review_keeps()
    pos = dict(reviewed("core.txt") + reviewed("fill.txt"))
    listed = {w for w in by_name if pos.get(w) == "a"}
    check("lists 1-50: no -ness, -ity or -ly form of a listed adjective", [
        f"{w} ({derived_from(w, listed)})" for w in sorted(by_name)
        if derived_from(w, listed) and w not in keep])

    n = len(main_rows)
    levels = Counter((r["bookmark"], r["doublebm"]) for r in main_rows)
    shares = {"Easy": levels[("0", "0")] / n, "Difficult": levels[("1", "0")] / n,
              "Very Difficult": levels[("1", "1")] / n}
    check("difficulty: about half Easy, a third Difficult, a sixth Very Difficult", [
        f"{k} {v:.0%}" for k, v, want in (
            ("Easy", shares["Easy"], 1 / 2), ("Difficult", shares["Difficult"], 1 / 3),
            ("Very Difficult", shares["Very Difficult"], 1 / 6)) if abs(v - want) > 0.03])
    high = sum(r["highfw"] == "1" for r in main_rows) / n
    check("high-frequency words: about 8% of lists 1-50",
          [f"{high:.1%}"] if not 0.06 <= high <= 0.10 else [])
    lists = {g: [r for r in main_rows if int(r["groupid"]) == g] for g in range(1, 51)}
    per_list, mixed = [], []
    for g, rows in lists.items():
        got = Counter((r["bookmark"], r["doublebm"]) for r in rows)
        for level, want in ((("0", "0"), 1 / 2), (("1", "0"), 1 / 3), (("1", "1"), 1 / 6)):
            if abs(got[level] / len(rows) - want) > 0.05:
                per_list.append(f"list {g}: {level} {got[level]} of {len(rows)}")
        if not any(r["highfw"] == "1" for r in rows):
            per_list.append(f"list {g}: no high-frequency word")
        initials = Counter(r["name"][0] for r in rows)
        parts = Counter(pos.get(r["name"], "?") for r in rows)
        if len(initials) < 15 or initials.most_common(1)[0][1] > 0.15 * len(rows):
            mixed.append(f"list {g}: {len(initials)} initials, {initials.most_common(1)[0]}")
        if min(parts[p] for p in "nva") < 0.1 * len(rows) or max(parts.values()) > 0.6 * len(rows):
            mixed.append(f"list {g}: {dict(parts)}")
    check("every list 1-50 has the overall mix of levels and high-frequency words", per_list)
    check("every list 1-50 mixes initial letters and parts of speech", mixed)

    block = load_blocklist()
    check("no block-listed word", [
        r["name"] for t in (words, special) for r in t if r["name"].lower() in block])

    cats = Counter(r["specialwl"] for r in special)
    check("special table: the 27 categories, at least 30 words each", [
        f"{c}: {cats.get(c, 0)}" for c in CATEGORIES if cats.get(c, 0) < 30] + [
        f"unknown category {c!r}" for c in cats if c not in CATEGORIES])
    check("special table: groupid is the category's position", [
        f"{r['name']} ({r['specialwl']}): {r['groupid']}" for r in special
        if r["specialwl"] in CATEGORIES and int(r["groupid"]) != CATEGORIES.index(r["specialwl"]) + 1])
    pairs = Counter((r["name"].lower(), r["specialwl"]) for r in special)
    check("special table: a word once per category", [f"{n} ({c})" for (n, c), k in pairs.items() if k > 1])
    half = [f"{c}: {sum(1 for r in special if r['specialwl'] == c and r['example'])} of {cats[c]}"
            for c in CATEGORIES if 2 * sum(1 for r in special if r["specialwl"] == c
                                           and r["example"]) < cats.get(c, 0)]
    check("special table: at least half of every category with an example", half)
    check("special table: meanings present, examples maskable where given", [
        r["name"] for r in special if not r["meaning"].strip()] + [
        f"{r['name']}: {example_problem(r['name'], r['example'])}" for r in special
        if r["example"] and example_problem(r["name"], r["example"])])

    with open(os.path.join(SHARE, "TIPOFDAY.TXT"), "rb") as f:
        tips = f.read()
    problems = []
    if not tips.endswith(b"\r\n"):
        problems.append("last line without CR LF")
    if tips.replace(b"\r\n", b"").count(b"\n") or tips.replace(b"\r\n", b"").count(b"\r"):
        problems.append("line ends other than CR LF")
    lines = tips.decode("utf-8").split("\r\n")[:-1]
    if len(lines) < 25:
        problems.append(f"{len(lines)} tips")
    for i, line in enumerate(lines, 1):
        q, sep, a = line.partition("<newline>")
        if not sep or not q.strip() or not a.strip():
            problems.append(f"line {i}: not question<newline>answer")
    check("TIPOFDAY.TXT: 25 tips or more, question<newline>answer, CR LF", problems)
    carried = {r["name"].lower() for t in (words, special) for r in t}
    answers = dict(line.split("<newline>", 1) for line in lines if "<newline>" in line)
    check("vocabulary tips: present, and cite only words the tables carry", [
        f"no tip {q!r}" for q in TIP_WORDS if q not in answers] + [
        f"{q}: {w}" for q, ws in TIP_WORDS.items() if q in answers for w in ws.split()
        if w not in carried or w not in answers[q].lower()])

    with open(os.path.join(SHARE, "CONTENT_VERSION"), "rb") as f:
        version = f.read()
    check("CONTENT_VERSION: one whole number of at least 2, then a line end",
          [] if re.fullmatch(rb"[1-9][0-9]*\n", version) and int(version) >= 2
          else [repr(version)])


if __name__ == "__main__":
    main()
    print(f"{results['passed']} passed, {results['failed']} failed")
    sys.exit(1 if results["failed"] else 0)
