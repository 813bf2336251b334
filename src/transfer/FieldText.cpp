#include "FieldText.h"

#include <QRegularExpression>

namespace FieldText {

namespace {

bool startsFormula(QStringView text) {
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front());
}

QString decodeEntity(QStringView name) {
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.startsWith(u"#x") || name.startsWith(u"#X")
                              ? name.mid(2).toUInt(&ok, 16)
                              : name.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return {};
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
    }
    static const QHash<QString, QString> named{
        {QStringLiteral("amp"), QStringLiteral("&")},   {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},    {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},  {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("ndash"), QStringLiteral("\u2013")},
        {QStringLiteral("mdash"), QStringLiteral("\u2014")},
        {QStringLiteral("hellip"), QStringLiteral("\u2026")}};
    return named.value(name.toString().toLower());
}

} // namespace

QString stripHtml(const QString& html) {
    static const QRegularExpression breaks(
        QStringLiteral("<\\s*(br|/p|/div|/li|/tr|/h[1-6])\\b[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral("<[/!?a-zA-Z][^<>]*>"));
    static const QRegularExpression sounds(QStringLiteral("\\[sound:[^\\]]*\\]"));
    QString text = html;
    text.replace(breaks, QStringLiteral("\n"));
    text.remove(tags);
    text.remove(sounds);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            const qsizetype semi = text.indexOf(u';', i);
            if (semi > i + 1 && semi - i <= 10) {
                const QString decoded = decodeEntity(QStringView(text).sliced(i + 1, semi - i - 1));
                if (!decoded.isEmpty()) {
                    out += decoded;
                    i = semi;
                    continue;
                }
            }
        }
        out += text[i];
    }
    // Blank lines left by the tags go; the text's own line breaks stay.
    QStringList lines = out.split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(u'\n');
}

QString guardFormula(const QString& cell) {
    return startsFormula(cell) ? QLatin1Char('\'') + cell : cell;
}

QString unguardFormula(const QString& cell) {
    return cell.startsWith(u'\'') && startsFormula(QStringView(cell).mid(1)) ? cell.mid(1) : cell;
}

} // namespace FieldText
