#include "ExampleMask.h"

#include <QSet>

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

const QString* suffixOf(const std::vector<std::pair<QString, QString>>& forms, const QString& f) {
    for (const auto& [form, suffix] : forms)
        if (form == f)
            return &suffix;
    return nullptr;
}

QSet<QString> everyForm(const QString& word) {
    QSet<QString> out;
    for (char pos : {'n', 'v', 'a', 'r'})
        for (const auto& form : regularForms(word, pos))
            out.insert(form.first);
    return out;
}

QString maskWith(const QString& word, char pos, const QString& example,
                 const QSet<QString>& every) {
    if (example.contains(QLatin1String("--")) || example.contains(Placeholder))
        return {};
    const auto forms = regularForms(word, pos);
    std::vector<Token> hits;
    for (const Token& t : tokens(example))
        if (every.contains(example.mid(t.start, t.end - t.start).toLower()))
            hits.push_back(t);
    if (hits.size() != 1)
        return {};
    const Token hit = hits.front();
    const QString* suffix = suffixOf(forms, example.mid(hit.start, hit.end - hit.start).toLower());
    if (!suffix)
        return {}; // an irregular form: leave it alone
    const QChar before = hit.start > 0 ? example[hit.start - 1] : QChar();
    const QChar after = hit.end < example.size() ? example[hit.end] : QChar();
    if (before != u' ' || after == u'-' || after == u'\'')
        return {};
    QString masked = example.left(hit.start) + Placeholder + *suffix + example.mid(hit.end);
    // A derivation (laconically) would give the word away just as well.
    if (masked.toLower().contains(word))
        return {};
    masked[0] = masked[0].toUpper();
    return masked;
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
    if (pos == 'v') {
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
    if (pos == 'a') {
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
    return forms;
}

QString mask(const QString& word, char partOfSpeech, const QString& example) {
    return maskWith(word, partOfSpeech, example, everyForm(word));
}

QString maskAnyForm(const QString& word, const QString& example) {
    const QString w = word.toLower();
    if (w.isEmpty())
        return {};
    const QSet<QString> every = everyForm(w);
    for (char pos : {'v', 'n', 'a', 'r'})
        if (QString masked = maskWith(w, pos, example, every); !masked.isEmpty())
            return masked;
    return {};
}

QString unmask(const QString& word, const QString& example) {
    const qsizetype at = example.indexOf(Placeholder);
    if (at < 0 || word.isEmpty())
        return example;
    qsizetype end = at + Placeholder.size();
    while (end < example.size() && end - at - Placeholder.size() < 3 && isAsciiLetter(example[end]))
        ++end;
    const QString suffix = example.mid(at + Placeholder.size(), end - at - Placeholder.size());
    QString form = word + suffix;
    if (!suffix.isEmpty()) {
        // The form the suffix stands for; a literal tail is the word and the tail.
        bool found = false;
        for (char pos : {'v', 'n', 'a'}) {
            for (const auto& [candidate, s] : regularForms(word, pos)) {
                if (s == suffix && candidate == word + suffix) {
                    form = candidate;
                    found = true;
                    break;
                }
            }
            if (found)
                break;
        }
        for (char pos : {'v', 'n', 'a'}) {
            if (found)
                break;
            for (const auto& [candidate, s] : regularForms(word, pos)) {
                if (s == suffix) {
                    form = candidate;
                    found = true;
                    break;
                }
            }
        }
    }
    return example.left(at) + form + example.mid(end);
}

} // namespace ExampleMask
