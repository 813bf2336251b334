"""Finds words that are transparent derivations or compounds of common words.

Such words are merely uncommon (unnoticed, vividness, seafront), not advanced,
so the main list leaves them out."""

# Prefixes whose derivations are transparent only when the definition still
# uses the base (reconfirm: "confirm again"), since many Latin words merely
# look prefixed (reside, cogent, subside).
PREFIXES = ["counter", "under", "inter", "super", "multi", "over", "anti", "fore",
            "semi", "self", "down", "post", "non", "out", "mis", "pre", "sub", "dis",
            "mid", "un", "re", "de", "co", "in", "im", "il", "ir", "up"]

# Suffixes that add little beyond the base's meaning.
SUFFIXES = ["ization", "isation", "ability", "ibility", "ically", "ation", "ness",
            "less", "ment", "ship", "hood", "ical", "able", "ible", "ence", "ance",
            "like", "wise", "ward", "ful", "ism", "ist", "ize", "ise", "ity", "ous",
            "ive", "ure", "ant", "ent", "ish", "ery", "age", "dom", "ian", "ly",
            "er", "or", "ed", "al", "ic", "ry", "ee", "y", "s"]


def suffix_bases(word, suffix):
    stem = word[: -len(suffix)]
    if len(stem) < 3:
        return []
    bases = [stem, stem + "e"]
    if stem.endswith("i"):
        bases.append(stem[:-1] + "y")
    if len(stem) > 3 and stem[-1] == stem[-2]:
        bases.append(stem[:-1])                     # abetting -> abet
    if suffix in ("ation", "ization", "isation"):
        bases += [stem + "ate", stem + "ize", stem + "ise"]
    if suffix in ("ability", "ibility"):
        bases += [stem + "able", stem + "ible"]
    if suffix == "ically":
        bases.append(stem + "ic")
    if suffix == "ly" and word.endswith("bly"):
        bases.append(word[:-1] + "e")               # capably -> capable
    return bases


def mentions(definition, base):
    """Whether the definition uses the base or a close form of it."""
    need = min(len(base), max(4, len(base) - 2))
    stem = base[:need]
    return any(tok.startswith(stem) for tok in _tokens(definition))


def _tokens(text):
    out, cur = [], []
    for ch in text.lower():
        if "a" <= ch <= "z":
            cur.append(ch)
        elif cur:
            out.append("".join(cur))
            cur = []
    if cur:
        out.append("".join(cur))
    return out


# Negating prefixes: un- or non- before any word is transparent.
NEGATIONS = ["non", "un"]
# Prefixes still productive in English: before a common word they make a
# transparent word whatever the definition says (disagreeable, overexert).
# (re-, dis- and in- are left to the definition test: too many Latin words
# only look prefixed, like requite, dispose, incite.)
PRODUCTIVE = ["counter", "under", "multi", "over", "semi", "out", "mis"]


def derivation(word, definition, related, is_common, is_word):
    """(affix, base) when `word` is a transparent derivation.

    Negations of any word and productive prefixes before a common word are
    always transparent. Otherwise the family must be real: WordNet links the
    two words, or the definition still uses the base, so that look-alikes
    (decadence, gentry, gingerly, cogent) stay."""
    for p in NEGATIONS:
        base = word[len(p):]
        if word.startswith(p) and len(base) >= 3 and is_word(base):
            return p + "-", base
    for p in PRODUCTIVE:
        base = word[len(p):]
        if word.startswith(p) and len(base) >= 3 and is_common(base):
            return p + "-", base
    for p in PREFIXES:
        base = word[len(p):]
        if word.startswith(p) and len(base) >= 3 and is_common(base) \
                and (base in related or mentions(definition, base)):
            return p + "-", base
    for s in SUFFIXES:
        if word.endswith(s) and len(word) > len(s) + 2:
            for base in suffix_bases(word, s):
                if base != word and len(base) >= 4 and is_common(base) \
                        and (base in related or mentions(definition, base)):
                    return "-" + s, base
    return None


# Word ends and starts that are really suffixes or Latin prefixes
# (abstract+ion, kind+led, pro+pound), so they make no compound.
NOT_HEADS = {"ion", "ions", "led", "less", "ring", "ten", "end", "aging", "row",
             "ward", "some", "ate", "ant", "age", "let", "ling", "ness", "able",
             "tion", "ism", "ist", "ive", "ous", "ion", "men", "ally", "ice", "ably"}
NOT_FIRSTS = {"was", "his", "her", "pro", "con", "per", "pre", "sub", "real", "hear",
              "fur", "pin", "bull", "fan", "port", "kind", "mess", "con", "ample"}


def compound(word, is_very_common):
    """(first, second) when `word` is two very common words written together."""
    for i in range(3, len(word) - 2):
        a, b = word[:i], word[i:]
        if a in NOT_FIRSTS or b in NOT_HEADS:
            continue
        if is_very_common(a) and is_very_common(b):
            return a, b
    return None
