#include "SqlTranslator.h"

#include "DbError.h"
#include "LikePattern.h"

#include <QDate>

namespace SqlTranslator {
namespace {

enum class Kind { Ident, Number, String, Date, Op, LParen, RParen, Comma, Dot, Star, End };

struct Token {
    Kind kind;
    QString text; // identifiers as written; literals already in SQLite form
    qsizetype pos;
    QString value = {}; // a text literal's content
};

// Deep nesting is refused rather than recursed into: a pasted wall of "(((" must not
// exhaust the stack.
constexpr int kMaxDepth = 64;

[[noreturn]] void fail(const QString& why) {
    throw DbError(DbErrorCode::SyntaxError, QStringLiteral("Syntax error: %1.").arg(why));
}

QString quoteString(const QString& s) {
    return SqlTranslator::literal(s);
}

bool isIdentStart(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}
bool isIdentPart(QChar c) {
    return isIdentStart(c) || (c >= u'0' && c <= u'9');
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QDate parseDateLiteral(const QString& body) {
    const QString t = body.trimmed();
    for (const char* fmt : {"M/d/yyyy", "MM/dd/yyyy", "yyyy-MM-dd"}) {
        const QDate d = QDate::fromString(t, QLatin1String(fmt));
        if (d.isValid())
            return d;
    }
    return {};
}

QList<Token> tokenize(const QString& text) {
    QList<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        if (c == u'\'' || c == u'"') {
            // Jet takes both quote characters for text literals; a doubled quote is a quote.
            QString value;
            ++i;
            bool closed = false;
            while (i < n) {
                if (text.at(i) == c) {
                    if (i + 1 < n && text.at(i + 1) == c) {
                        value += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                value += text.at(i++);
            }
            if (!closed)
                fail(QStringLiteral("unterminated text"));
            // SQLite would end the statement's text at a NUL.
            if (value.contains(QChar(0)))
                fail(QStringLiteral("text with a NUL character"));
            tokens.append({Kind::String, quoteString(value), start, value});
        } else if (c == u'#') {
            const qsizetype end = text.indexOf(u'#', i + 1);
            if (end < 0)
                fail(QStringLiteral("unterminated date"));
            const QDate d = parseDateLiteral(text.mid(i + 1, end - i - 1));
            if (!d.isValid())
                fail(QStringLiteral("invalid date"));
            tokens.append({Kind::Date, quoteString(d.toString(Qt::ISODate)), start});
            i = end + 1;
        } else if (c == u'[') {
            const qsizetype end = text.indexOf(u']', i + 1);
            if (end < 0)
                fail(QStringLiteral("unterminated name"));
            tokens.append({Kind::Ident, text.mid(i + 1, end - i - 1).trimmed(), start});
            i = end + 1;
        } else if (isIdentStart(c)) {
            while (i < n && isIdentPart(text.at(i)))
                ++i;
            tokens.append({Kind::Ident, text.mid(start, i - start), start});
        } else if (isDigit(c) || (c == u'.' && i + 1 < n && isDigit(text.at(i + 1)))) {
            while (i < n && isDigit(text.at(i)))
                ++i;
            if (i < n && text.at(i) == u'.') {
                ++i;
                while (i < n && isDigit(text.at(i)))
                    ++i;
            }
            if (i < n && (text.at(i) == u'e' || text.at(i) == u'E')) {
                qsizetype j = i + 1;
                if (j < n && (text.at(j) == u'+' || text.at(j) == u'-'))
                    ++j;
                if (j < n && isDigit(text.at(j))) {
                    i = j;
                    while (i < n && isDigit(text.at(i)))
                        ++i;
                }
            }
            if (i < n && isIdentStart(text.at(i)))
                fail(QStringLiteral("malformed number"));
            tokens.append({Kind::Number, text.mid(start, i - start), start});
        } else {
            const QString two = text.mid(i, 2);
            if (two == QLatin1String("--") || two == QLatin1String("/*"))
                fail(QStringLiteral("comments are not allowed"));
            if (two == QLatin1String("<=") || two == QLatin1String(">=") ||
                two == QLatin1String("<>") || two == QLatin1String("!=")) {
                tokens.append(
                    {Kind::Op, two == QLatin1String("!=") ? QStringLiteral("<>") : two, start});
                i += 2;
                continue;
            }
            Kind kind = Kind::Op;
            switch (c.unicode()) {
            case u'(':
                kind = Kind::LParen;
                break;
            case u')':
                kind = Kind::RParen;
                break;
            case u',':
                kind = Kind::Comma;
                break;
            case u'.':
                kind = Kind::Dot;
                break;
            case u'*':
                kind = Kind::Star;
                break;
            case u'=':
            case u'<':
            case u'>':
            case u'+':
            case u'-':
            case u'/':
            case u'&':
                kind = Kind::Op;
                break;
            default:
                fail(QStringLiteral("unexpected character at %1").arg(i + 1));
            }
            tokens.append({kind, QString(c), start});
            ++i;
        }
    }
    tokens.append({Kind::End, QString(), n});
    return tokens;
}

class Parser {
public:
    explicit Parser(const QString& text) : tokens_(tokenize(text)) {}

    Source source() {
        Source out;
        bool parenthesised = false;
        if (peek().kind == Kind::LParen) {
            next();
            parenthesised = true;
        }
        expectKeyword("select");
        expect(Kind::Star, "*");
        expectKeyword("from");
        out.table = tableName();
        out.sql = QStringLiteral("SELECT * FROM ") + out.table;
        table_ = out.table;
        if (isKeyword("where")) {
            next();
            out.sql += QStringLiteral(" WHERE ") + condition();
        }
        if (parenthesised)
            expect(Kind::RParen, ")");
        expectEnd();
        return out;
    }

    QString conditionOnly() {
        QString sql = condition();
        expectEnd();
        return sql;
    }

    QString statement() {
        if (!isKeyword("update")) {
            return source().sql;
        }
        next();
        table_ = tableName();
        QString sql = QStringLiteral("UPDATE ") + table_ + QStringLiteral(" SET ");
        expectKeyword("set");
        for (;;) {
            sql += column() + QStringLiteral(" = ");
            expectOp("=");
            sql += additive();
            if (peek().kind != Kind::Comma)
                break;
            next();
            sql += QStringLiteral(", ");
        }
        if (isKeyword("where")) {
            next();
            sql += QStringLiteral(" WHERE ") + condition();
        }
        expectEnd();
        return sql;
    }

private:
    const Token& peek(int ahead = 0) const {
        const qsizetype i = std::min<qsizetype>(pos_ + ahead, tokens_.size() - 1);
        return tokens_.at(i);
    }
    const Token& next() {
        const Token& t = tokens_.at(pos_);
        if (pos_ < tokens_.size() - 1)
            ++pos_;
        return t;
    }
    bool isKeyword(const char* word, int ahead = 0) const {
        const Token& t = peek(ahead);
        return t.kind == Kind::Ident &&
               t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isOp(const char* op, int ahead = 0) const {
        return peek(ahead).kind == Kind::Op && peek(ahead).text == QLatin1String(op);
    }
    void expectKeyword(const char* word) {
        if (!isKeyword(word))
            fail(QStringLiteral("expected %1").arg(QString::fromLatin1(word).toUpper()));
        next();
    }
    void expectOp(const char* op) {
        if (!isOp(op))
            fail(QStringLiteral("expected %1").arg(QLatin1String(op)));
        next();
    }
    void expect(Kind kind, const char* what) {
        if (peek().kind != kind)
            fail(QStringLiteral("expected %1").arg(QLatin1String(what)));
        next();
    }
    void expectEnd() {
        if (peek().kind != Kind::End)
            fail(QStringLiteral("unexpected text at %1").arg(peek().pos + 1));
    }

    QString tableName() {
        const Token& t = peek();
        if (t.kind != Kind::Ident || !isTable(t.text))
            fail(QStringLiteral("unknown table"));
        next();
        return t.text.toLower();
    }

    QString column() {
        const Token& first = peek();
        if (first.kind != Kind::Ident)
            fail(QStringLiteral("expected a column"));
        next();
        QString name = first.text;
        if (peek().kind == Kind::Dot) {
            // A qualified name: only the statement's own table may qualify it.
            if (!table_.isEmpty() ? first.text.compare(table_, Qt::CaseInsensitive) != 0
                                  : !isTable(first.text))
                fail(QStringLiteral("unknown table"));
            next();
            if (peek().kind != Kind::Ident)
                fail(QStringLiteral("expected a column"));
            name = next().text;
        }
        const QString lower = name.toLower();
        if (!columns().contains(lower))
            fail(QStringLiteral("unknown column"));
        return lower;
    }

    struct Depth {
        explicit Depth(int& d) : d_(d) {
            if (++d_ > kMaxDepth)
                fail(QStringLiteral("expression nested too deeply"));
        }
        ~Depth() { --d_; }
        int& d_;
    };

    QString condition() {
        Depth guard(depth_);
        QString sql = conjunction();
        while (isKeyword("or")) {
            next();
            sql += QStringLiteral(" OR ") + conjunction();
        }
        return sql;
    }
    QString conjunction() {
        QString sql = negation();
        while (isKeyword("and")) {
            next();
            sql += QStringLiteral(" AND ") + negation();
        }
        return sql;
    }
    QString negation() {
        Depth guard(depth_);
        if (isKeyword("not")) {
            next();
            return QStringLiteral("NOT ") + negation();
        }
        return predicate();
    }
    QString predicate() {
        bool leftIsText = peek().kind == Kind::String;
        QString sql = additive();
        const Token& t = peek();
        if (t.kind == Kind::Op &&
            (t.text == QLatin1String("=") || t.text == QLatin1String("<>") ||
             t.text == QLatin1String("<") || t.text == QLatin1String(">") ||
             t.text == QLatin1String("<=") || t.text == QLatin1String(">="))) {
            const QString op = next().text;
            const bool rightIsText = peek().kind == Kind::String;
            sql += QLatin1Char(' ') + op + QLatin1Char(' ') + additive();
            // Jet compares text without regard to case.
            if (leftIsText || rightIsText)
                sql += QStringLiteral(" COLLATE NOCASE");
            return sql;
        }
        bool negated = false;
        if (isKeyword("not") &&
            (isKeyword("like", 1) || isKeyword("between", 1) || isKeyword("in", 1))) {
            next();
            negated = true;
        }
        const QString notText = negated ? QStringLiteral(" NOT") : QString();
        if (isKeyword("like")) {
            next();
            return like(sql, negated);
        }
        if (isKeyword("between")) {
            next();
            sql += notText + QStringLiteral(" BETWEEN ") + additive();
            expectKeyword("and");
            return sql + QStringLiteral(" AND ") + additive();
        }
        if (isKeyword("in")) {
            next();
            expect(Kind::LParen, "(");
            sql += notText + QStringLiteral(" IN (") + additive();
            while (peek().kind == Kind::Comma) {
                next();
                sql += QStringLiteral(", ") + additive();
            }
            expect(Kind::RParen, ")");
            return sql + QLatin1Char(')');
        }
        if (negated)
            fail(QStringLiteral("expected LIKE, BETWEEN or IN"));
        if (isKeyword("is")) {
            next();
            QString op = QStringLiteral(" IS ");
            if (isKeyword("not")) {
                next();
                op = QStringLiteral(" IS NOT ");
            }
            expectKeyword("null");
            return sql + op + QStringLiteral("NULL");
        }
        return sql;
    }
    // SQLite's LIKE where it is cheap (and can use the name index), the bounded matcher
    // wherever a pattern could make it backtrack for minutes: a pattern the database holds
    // is not known until it runs.
    QString like(const QString& value, bool negated) {
        const bool literal = peek().kind == Kind::String && !isOp("+", 1) && !isOp("-", 1) &&
                             !isOp("&", 1) && !isOp("/", 1) && peek(1).kind != Kind::Star;
        QString pattern;
        if (literal) {
            const QString collapsed = LikePattern::collapse(next().value);
            pattern = quoteString(collapsed);
            if (LikePattern::cheapForSqlite(collapsed))
                return value + (negated ? QStringLiteral(" NOT LIKE ") : QStringLiteral(" LIKE ")) +
                       pattern;
        } else {
            pattern = additive();
        }
        return (negated ? QStringLiteral("NOT ") : QString()) +
               QLatin1String(LikePattern::FunctionName) + QLatin1Char('(') + value +
               QStringLiteral(", ") + pattern + QLatin1Char(')');
    }

    QString additive() {
        QString sql = multiplicative();
        while (isOp("+") || isOp("-") || isOp("&")) {
            const QString op = next().text;
            sql += (op == QLatin1String("&") ? QStringLiteral(" || ")
                                             : QLatin1Char(' ') + op + QLatin1Char(' ')) +
                   multiplicative();
        }
        return sql;
    }
    QString multiplicative() {
        QString sql = unary();
        while (peek().kind == Kind::Star || isOp("/")) {
            const QString op = next().text;
            sql += QLatin1Char(' ') + op + QLatin1Char(' ') + unary();
        }
        return sql;
    }
    QString unary() {
        Depth guard(depth_);
        if (isOp("-") || isOp("+")) {
            const QString op = next().text;
            return op + unary();
        }
        return primary();
    }
    QString primary() {
        const Token& t = peek();
        switch (t.kind) {
        case Kind::Number:
        case Kind::String:
        case Kind::Date:
            next();
            return t.text;
        case Kind::LParen: {
            next();
            QString inner = condition();
            expect(Kind::RParen, ")");
            return QLatin1Char('(') + inner + QLatin1Char(')');
        }
        case Kind::Ident: {
            const QString word = t.text.toLower();
            if (word == QLatin1String("yes") || word == QLatin1String("true")) {
                next();
                return QStringLiteral("1");
            }
            if (word == QLatin1String("no") || word == QLatin1String("false")) {
                next();
                return QStringLiteral("0");
            }
            if (word == QLatin1String("null")) {
                next();
                return QStringLiteral("NULL");
            }
            return column();
        }
        default:
            fail(t.kind == Kind::End ? QStringLiteral("incomplete expression")
                                     : QStringLiteral("unexpected text at %1").arg(t.pos + 1));
        }
    }

    QList<Token> tokens_;
    qsizetype pos_ = 0;
    int depth_ = 0;
    QString table_;
};

} // namespace

const QStringList& columns() {
    static const QStringList names = {
        QStringLiteral("id"),        QStringLiteral("name"),      QStringLiteral("meaning"),
        QStringLiteral("example"),   QStringLiteral("bookmark"),  QStringLiteral("doublebm"),
        QStringLiteral("sessionbm"), QStringLiteral("readcount"), QStringLiteral("lastread"),
        QStringLiteral("groupid"),   QStringLiteral("specialwl"), QStringLiteral("highfw")};
    return names;
}

bool isTable(const QString& name) {
    return name.compare(QLatin1String("words"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("spwl"), Qt::CaseInsensitive) == 0;
}

QString literal(const QString& text) {
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
}

Source translateSource(const QString& text) {
    return Parser(text).source();
}

QString translateCondition(const QString& text) {
    if (text.trimmed().isEmpty())
        fail(QStringLiteral("empty condition"));
    return Parser(text).conditionOnly();
}

QString translateStatement(const QString& text) {
    return Parser(text).statement();
}

} // namespace SqlTranslator
