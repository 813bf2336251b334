#include "ExampleMask.h"

#include <QSet>

#include <algorithm>
#include <limits>

namespace ExampleMask {

namespace {

bool isVowel(QChar c) {
    return QStringView(u"aeiou").contains(c);
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// abet -> abetted: a consonant-vowel-consonant ending, not w, x or y.
bool doubles(const QString& w) {
    const qsizetype n = w.size();
    return n >= 3 && !isVowel(w[n - 1]) && !QStringView(u"wxy").contains(w[n - 1]) &&
           isVowel(w[n - 2]) && !isVowel(w[n - 3]);
}

struct Token {
    qsizetype start;
    qsizetype end;
};

// Runs of ASCII letters, as the word tables' tool splits a sentence.
std::vector<Token> tokens(const QString& text) {
    std::vector<Token> out;
    for (qsizetype i = 0; i < text.size();) {
        if (!isAsciiLetter(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() && isAsciiLetter(text[i]))
            ++i;
        out.push_back({start, i});
    }
    return out;
}

using Forms = std::vector<std::pair<QString, QString>>;

const QString* suffixOf(const Forms& forms, QStringView f) {
    for (const auto& [form, suffix] : forms)
        if (form == f)
            return &suffix;
    return nullptr;
}

constexpr char kPartsOfSpeech[] = {'n', 'v', 'a', 'r'};

// A word's forms in each part of speech and in any, made once for all the tries.
struct FormTable {
    explicit FormTable(const QString& word) {
        for (int i = 0; i < 4; ++i) {
            byPart[i] = regularForms(word, kPartsOfSpeech[i]);
            for (const auto& form : byPart[i]) {
                every.insert(form.first);
                shortest = std::min(shortest, form.first.size());
                longest = std::max(longest, form.first.size());
            }
        }
    }
    const Forms& of(char pos) const {
        return byPart[std::find(std::begin(kPartsOfSpeech), std::end(kPartsOfSpeech), pos) -
                      std::begin(kPartsOfSpeech)];
    }
    Forms byPart[4];
    QSet<QString> every;
    qsizetype shortest = std::numeric_limits<qsizetype>::max();
    qsizetype longest = 0;
};

QString maskWith(const QString& word, char pos, const QString& example, const FormTable& table) {
    if (example.contains(QLatin1String("--")))
        return {};
    std::vector<Token> hits;
    for (const Token& t : tokens(example)) {
        const qsizetype n = t.end - t.start;
        if (n >= table.shortest && n <= table.longest &&
            table.every.contains(example.mid(t.start, n).toLower()))
            hits.push_back(t);
    }
    if (hits.size() != 1)
        return {};
    const Token hit = hits.front();
    const QString* suffix =
        suffixOf(table.of(pos), example.mid(hit.start, hit.end - hit.start).toLower());
    if (!suffix)
        return {}; // an irregular form: leave it alone
    const QChar before = hit.start > 0 ? example[hit.start - 1] : QChar();
    const QChar after = hit.end < example.size() ? example[hit.end] : QChar();
    if (before != u' ' || after == u'-' || after == u'\'')
        return {};
    QString masked = example.left(hit.start) + Placeholder + *suffix + example.mid(hit.end);
    // A derivation (laconically) would give the word away just as well.
    if (masked.contains(word, Qt::CaseInsensitive))
        return {};
    masked[0] = masked[0].toUpper();
    return masked;
}

} // namespace

namespace {

// add(form, ending) takes each form in turn.
template <class Add> void addVerbForms(const QString& w, bool endsY, bool endsE, const Add& add) {
    const qsizetype n = w.size();
    const QString stem = w.left(n - 1);
    if (endsY)
        add(stem + QLatin1String("ied"), "ed");
    else if (w.endsWith(u'e'))
        add(w + QLatin1String("d"), "d");
    else
        add(w + QLatin1String("ed"), "ed");
    if (w.endsWith(QLatin1String("ie")))
        add(w.left(n - 2) + QLatin1String("ying"), "ing");
    else if (endsE)
        add(stem + QLatin1String("ing"), "ing");
    else
        add(w + QLatin1String("ing"), "ing");
    if (doubles(w)) {
        add(w + w[n - 1] + QLatin1String("ed"), "ed");
        add(w + w[n - 1] + QLatin1String("ing"), "ing");
    }
    if (w.endsWith(u'c')) {
        add(w + QLatin1String("ked"), "ed");
        add(w + QLatin1String("king"), "ing");
    }
}

template <class Add> void addAdjectiveForms(const QString& w, bool endsY, const Add& add) {
    const qsizetype n = w.size();
    const QString stem = w.left(n - 1);
    if (endsY) {
        add(stem + QLatin1String("ier"), "er");
        add(stem + QLatin1String("iest"), "est");
    } else if (w.endsWith(u'e')) {
        add(w + QLatin1String("r"), "r");
        add(w + QLatin1String("st"), "st");
    } else {
        add(w + QLatin1String("er"), "er");
        add(w + QLatin1String("est"), "est");
        if (doubles(w)) {
            add(w + w[n - 1] + QLatin1String("er"), "er");
            add(w + w[n - 1] + QLatin1String("est"), "est");
        }
    }
}

} // namespace

std::vector<std::pair<QString, QString>> regularForms(const QString& w, char pos) {
    std::vector<std::pair<QString, QString>> forms{{w, QString()}};
    auto add = [&](const QString& form, const char* label) {
        if (form == w || suffixOf(forms, form))
            return;
        const QString tail = form.startsWith(w) ? form.mid(w.size()) : QString();
        forms.emplace_back(form, !tail.isEmpty() && tail.size() <= 3 ? tail
                                                                     : QString::fromLatin1(label));
    };
    const qsizetype n = w.size();
    const bool endsY = w.endsWith(u'y') && n > 1 && !isVowel(w[n - 2]);
    const bool endsE = w.endsWith(u'e') && !w.endsWith(QLatin1String("ee")) &&
                       !w.endsWith(QLatin1String("ye")) && !w.endsWith(QLatin1String("oe"));
    const QString stem = w.left(n - 1);
    if (pos == 'n' || pos == 'v') {
        if (w.endsWith(u's') || w.endsWith(u'x') || w.endsWith(u'z') ||
            w.endsWith(QLatin1String("ch")) || w.endsWith(QLatin1String("sh")))
            add(w + QLatin1String("es"), "es");
        else if (endsY)
            add(stem + QLatin1String("ies"), "s");
        else
            add(w + QLatin1String("s"), "s");
    }
    if (pos == 'v')
        addVerbForms(w, endsY, endsE, add);
    if (pos == 'a')
        addAdjectiveForms(w, endsY, add);
    return forms;
}

QString mask(const QString& word, char partOfSpeech, const QString& example) {
    return maskWith(word, partOfSpeech, example, FormTable(word));
}

QString maskAnyForm(const QString& word, const QString& example) {
    const QString w = word.toLower();
    if (w.isEmpty() || example.contains(QLatin1String("--")))
        return {};
    const FormTable table(w);
    for (char pos : {'v', 'n', 'a', 'r'})
        if (QString masked = maskWith(w, pos, example, table); !masked.isEmpty())
            return masked;
    return {};
}

QString unmask(const QString& word, const QString& example) {
    const qsizetype at = example.indexOf(Placeholder);
    if (at < 0 || word.isEmpty())
        return example;
    const qsizetype from = at + Placeholder.size();
    qsizetype end = from;
    while (end < example.size() && end - from < 3 && isAsciiLetter(example[end]))
        ++end;
    const QString suffix = example.mid(from, end - from);
    QString form = word + suffix;
    if (!suffix.isEmpty()) {
        // The form the suffix stands for: a literal tail is the word and the tail; else the
        // first form made with that suffix (verb, noun, adjective).
        Forms all;
        for (char pos : {'v', 'n', 'a'})
            for (auto& f : regularForms(word, pos))
                all.push_back(std::move(f));
        const auto literal = std::find_if(all.begin(), all.end(), [&](const auto& f) {
            return f.second == suffix && f.first == form;
        });
        const auto any = std::find_if(all.begin(), all.end(),
                                      [&](const auto& f) { return f.second == suffix; });
        if (literal == all.end() && any != all.end())
            form = any->first;
    }
    return example.left(at) + form + example.mid(end);
}

} // namespace ExampleMask
