"""Reader for the WordNet 3.0 database files (data.*, index.*, *.exc)."""

import os
import re
from collections import defaultdict

# Lexicographer file numbers, in the order of WordNet's lexnames file.
LEXNAMES = [
    "adj.all", "adj.pert", "adv.all", "noun.Tops", "noun.act", "noun.animal",
    "noun.artifact", "noun.attribute", "noun.body", "noun.cognition",
    "noun.communication", "noun.event", "noun.feeling", "noun.food",
    "noun.group", "noun.location", "noun.motive", "noun.object",
    "noun.person", "noun.phenomenon", "noun.plant", "noun.possession",
    "noun.process", "noun.quantity", "noun.relation", "noun.shape",
    "noun.state", "noun.substance", "noun.time", "verb.body", "verb.change",
    "verb.cognition", "verb.communication", "verb.competition",
    "verb.consumption", "verb.contact", "verb.creation", "verb.emotion",
    "verb.motion", "verb.perception", "verb.possession", "verb.social",
    "verb.stative", "verb.weather", "adj.ppl",
]

FILE_POS = {"noun": "n", "verb": "v", "adj": "a", "adv": "r"}

# A quoted example in a gloss. WordNet encloses them in plain double quotes.
_QUOTE = re.compile(r'"([^"]*)"')


class Synset:
    __slots__ = ("pos", "offset", "lexname", "lemmas", "pointers",
                 "definition", "examples", "gloss")

    def __init__(self, pos, offset, lexname, lemmas, pointers, gloss):
        self.pos = pos              # n, v, a, r (satellites folded into a)
        self.offset = offset
        self.lexname = lexname
        self.lemmas = lemmas        # as written, underscores for blanks
        self.pointers = pointers    # (symbol, pos, offset, source/target)
        self.gloss = gloss
        self.definition, self.examples = split_gloss(gloss)

    @property
    def key(self):
        return (self.pos, self.offset)

    def targets(self, *symbols):
        return [(p, o) for s, p, o, _ in self.pointers if s in symbols]


def split_gloss(gloss):
    """Definition text before the first quoted example, and the examples."""
    first = gloss.find('"')
    definition = gloss if first < 0 else gloss[:first]
    definition = definition.strip().rstrip(";:, ").strip()
    # WordNet writes `word' for quoted words; plain quotes read better.
    definition = definition.replace("`", "'").replace("''", "'")
    examples = [e.strip() for e in _QUOTE.findall(gloss[first:])] if first >= 0 else []
    return definition, [e for e in examples if e]


class WordNet:
    def __init__(self, root="/usr/share/wordnet"):
        self.root = root
        self.synsets = {}
        self.index = defaultdict(list)        # (lemma, pos) -> synset keys in sense order
        self.exceptions = defaultdict(set)    # (base, pos) -> irregular forms
        self.irregular_bases = defaultdict(set)   # (form, pos) -> bases
        self.sense_counts = {}                # (lemma, pos, sense number) -> tag count
        for name, pos in FILE_POS.items():
            self._read_data(name, pos)
            self._read_index(name, pos)
            self._read_exc(name, pos)
        self._read_counts()
        self.lemma_synsets = defaultdict(list)   # lemma as written -> keys
        for key, ss in sorted(self.synsets.items()):
            for lemma in ss.lemmas:
                self.lemma_synsets[lemma].append(key)

    def _lines(self, fname):
        with open(os.path.join(self.root, fname), encoding="latin-1") as f:
            for line in f:
                if not line.startswith("  "):   # licence header lines
                    yield line.rstrip("\n")

    def _read_data(self, name, pos):
        for line in self._lines("data." + name):
            body, _, gloss = line.partition(" | ")
            f = body.split()
            offset, lexnum = int(f[0]), int(f[1])
            count = int(f[3], 16)
            lemmas = []
            i = 4
            for _ in range(count):
                # Adjective markers such as (a) or (p) hang on the lemma.
                lemmas.append(re.sub(r"\([a-z]+\)$", "", f[i]))
                i += 2
            npointers = int(f[i])
            i += 1
            pointers = []
            for _ in range(npointers):
                ppos = "a" if f[i + 2] == "s" else f[i + 2]
                pointers.append((f[i], ppos, int(f[i + 1]), f[i + 3]))
                i += 4
            self.synsets[(pos, offset)] = Synset(
                pos, offset, LEXNAMES[lexnum], lemmas, pointers, gloss.strip())

    def _read_index(self, name, pos):
        for line in self._lines("index." + name):
            f = line.split()
            lemma, synset_cnt, p_cnt = f[0], int(f[2]), int(f[3])
            offsets = f[4 + p_cnt + 2:]
            assert len(offsets) == synset_cnt, line
            self.index[(lemma, pos)] = [(pos, int(o)) for o in offsets]

    def _read_exc(self, name, pos):
        for line in self._lines(name + ".exc"):
            f = line.split()
            for base in f[1:]:
                self.exceptions[(base, pos)].add(f[0])
                self.irregular_bases[(f[0], pos)].add(base)

    def _read_counts(self):
        ss_pos = {"1": "n", "2": "v", "3": "a", "4": "r", "5": "a"}
        for line in self._lines("cntlist.rev"):
            key, sense, count = line.split()
            lemma, _, rest = key.partition("%")
            self.sense_counts[(lemma, ss_pos[rest[0]], int(sense))] = int(count)

    def senses(self, lemma, pos=None):
        """Synsets of a lower-case lemma, in WordNet's sense order."""
        out = []
        for p in ([pos] if pos else ["n", "v", "a", "r"]):
            for number, key in enumerate(self.index.get((lemma, p), []), 1):
                out.append((self.synsets[key], number))
        return out

    def hyponym_closure(self, key, symbols=("~", "~i")):
        seen, stack = set(), [key]
        while stack:
            k = stack.pop()
            for t in self.synsets[k].targets(*symbols):
                if t not in seen:
                    seen.add(t)
                    stack.append(t)
        return seen

    def hypernyms(self, key):
        """All hypernyms of a synset, instance hypernyms included."""
        return self.hyponym_closure(key, ("@", "@i"))

    def domain_members(self, key, symbols=("-c",)):
        """Synsets that name `key` as their topic domain."""
        return set(self.synsets[key].targets(*symbols))

    def derived_from(self, lemma):
        """Lemmas WordNet links to `lemma` as derivationally related, as the
        adjective an adverb comes from, or the verb of a participle."""
        out = set()
        for key in self.lemma_synsets.get(lemma, []):
            ss = self.synsets[key]
            for sym, pos, off, st in ss.pointers:
                if sym not in ("+", "\\", "<") or st == "0000":
                    continue
                src, tgt = int(st[:2], 16), int(st[2:], 16)
                if ss.lemmas[src - 1] == lemma:
                    out.add(self.synsets[(pos, off)].lemmas[tgt - 1].lower())
        return out

    def find(self, lemma, pos, gloss_start=None):
        """The synset of `lemma` whose definition starts with `gloss_start`."""
        for ss, _ in self.senses(lemma, pos):
            if gloss_start is None or ss.definition.startswith(gloss_start):
                return ss.key
        raise KeyError((lemma, pos, gloss_start))
