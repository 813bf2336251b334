#include "WordName.h"

namespace WordName {

namespace {

// Characters a word cannot show: controls, format marks (zero-width space, direction marks),
// line and paragraph separators, broken surrogates, and any blank but the space.
bool invisible(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return c != U' ' && QChar::isSpace(c);
    }
}

} // namespace

Checked check(const QString& typed) {
    Checked out;
    const QString word = typed.normalized(QString::NormalizationForm_C).trimmed();
    if (word.isEmpty()) {
        out.error = Empty;
        return out;
    }
    bool letter = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        char32_t c = word.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < word.size() && word.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(word.at(i), word.at(i + 1));
            ++i;
        }
        if (invisible(c)) {
            out.error = Invisible;
            return out;
        }
        letter = letter || QChar::isLetter(c);
    }
    if (!letter) {
        out.error = NoLetter;
        return out;
    }
    out.word = word;
    return out;
}

QString cleanText(const QString& text) {
    QString out = text.normalized(QString::NormalizationForm_C);
    out.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t';
    });
    return out;
}

} // namespace WordName
