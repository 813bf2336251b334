#include "LikePattern.h"

#include <cstring>

namespace LikePattern {

namespace {

// SQLite gives a pattern this long its own limit; well below it, and below anything a word
// or a learner's search needs, keeps even one backtracking % cheap.
constexpr qsizetype kCheapLength = 256;

// One character: a lead byte and its continuation bytes, as SQLite reads UTF-8.
size_t nextChar(const unsigned char* s, size_t n, size_t i) {
    const unsigned char lead = s[i++];
    if (lead >= 0xc0)
        while (i < n && (s[i] & 0xc0) == 0x80)
            ++i;
    return i;
}

unsigned char asciiLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

bool sameChar(const unsigned char* a, size_t aLength, const unsigned char* b, size_t bLength) {
    if (aLength == 1 && bLength == 1)
        return a[0] == b[0] || (a[0] < 0x80 && b[0] < 0x80 && asciiLower(a[0]) == asciiLower(b[0]));
    return aLength == bLength && std::memcmp(a, b, aLength) == 0;
}

} // namespace

QString collapse(const QString& pattern) {
    QString out;
    out.reserve(pattern.size());
    for (const QChar c : pattern)
        if (c != u'%' || !out.endsWith(u'%'))
            out += c;
    return out;
}

bool cheapForSqlite(const QString& pattern) {
    if (pattern.size() > kCheapLength || pattern.contains(u'_'))
        return false;
    const qsizetype inner = pattern.count(u'%') - (pattern.endsWith(u'%') ? 1 : 0);
    return inner <= 1;
}

Result match(const char* patternText, const char* valueText, const std::function<bool()>& stop) {
    // The greedy match that returns to the last % only: each character of the text is tried
    // against the pattern at most once per position of that %.
    const auto* p = reinterpret_cast<const unsigned char*>(patternText);
    const auto* s = reinterpret_cast<const unsigned char*>(valueText);
    const size_t pn = std::strlen(patternText);
    const size_t sn = std::strlen(valueText);
    constexpr size_t none = size_t(-1);
    size_t pi = 0;
    size_t si = 0;
    size_t starP = none;
    size_t starS = 0;
    unsigned work = 0;
    while (si < sn) {
        if ((++work & 0xffffu) == 0 && stop())
            return Result::Stopped;
        if (pi < pn && p[pi] == '%') {
            starP = pi++;
            starS = si;
            continue;
        }
        if (pi < pn) {
            const size_t pj = nextChar(p, pn, pi);
            const size_t sj = nextChar(s, sn, si);
            if (p[pi] == '_' || sameChar(p + pi, pj - pi, s + si, sj - si)) {
                pi = pj;
                si = sj;
                continue;
            }
        }
        if (starP == none)
            return Result::NoMatch;
        pi = starP + 1;
        starS = nextChar(s, sn, starS);
        si = starS;
    }
    while (pi < pn && p[pi] == '%')
        ++pi;
    return pi == pn ? Result::Match : Result::NoMatch;
}

} // namespace LikePattern
