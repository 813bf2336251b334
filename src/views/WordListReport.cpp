#include "WordListReport.h"

#include "data/Database.h"
#include "data/Recordset.h"

#include <cmath>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace WordListReport {

namespace {

constexpr int kTwipsPerPoint = 20;
constexpr int kPageNumberLeft = 576;
constexpr int kSlashLeft = 864;
constexpr int kPageCountLeft = 1008;
constexpr int kHeadingTop = 288;
constexpr int kRuleTop = 576;
constexpr int kTitleLeft = 3168;
constexpr int kTitleWidth = 1725;
constexpr int kDateLeft = 144;
constexpr int kDateWidth = 2736;
constexpr int kLabelLeft = 144;

constexpr double kDetailPoints = 9;
constexpr double kTitlePoints = 14;

const QChar kBreak = QChar::LineSeparator;

// Breaks a text into the lines its column shows: at its own line breaks, then at word
// boundaries, and inside a word only when one word is wider than the column.
QStringList wrap(const QString& text, const QFont& f, int width) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), kBreak);
    t.replace(QLatin1Char('\n'), kBreak);
    t.replace(QLatin1Char('\r'), kBreak);
    QStringList lines;
    if (!t.contains(kBreak) && QFontMetricsF(f).horizontalAdvance(t) <= width) {
        lines << t;
        return lines;
    }
    QTextLayout layout(t, f);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString piece = t.mid(line.textStart(), line.textLength());
        piece.remove(kBreak);
        while (piece.endsWith(QLatin1Char(' ')))
            piece.chop(1);
        lines << piece;
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

// Draws a one-line text at a place given in twips, without clipping; returns its right edge.
double text(QPainter& p, double left, double top, double height, const QString& s,
            Qt::Alignment align = Qt::AlignLeft, double width = 0) {
    const double advance = QFontMetricsF(p.font()).horizontalAdvance(s);
    const QRectF box(left, top, std::max(width, advance), height);
    p.drawText(box, int(align | Qt::AlignVCenter) | Qt::TextDontClip, s);
    return left + advance;
}

} // namespace

QFont font(double points, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(int(std::lround(points * kTwipsPerPoint)));
    f.setBold(bold);
    return f;
}

Layout::Layout(QList<Word> words, int pageHeight, QString date)
    : words_(std::move(words)), pageHeight_(pageHeight), date_(std::move(date)) {
    const QFont plain = font(kDetailPoints);
    const QFont bold = font(kDetailPoints, true);
    wrapped_.reserve(size_t(words_.size()));
    for (const Word& w : words_)
        wrapped_.push_back({wrap(w.name, bold, NameField.width),
                            wrap(w.meaning, plain, MeaningField.width),
                            wrap(w.example, plain, ExampleField.width)});
    place();
}

void Layout::place() {
    const int bottom = pageHeight_ - PageFooterHeight;
    auto newPage = [&](bool first) {
        Page p;
        p.reportHeader = first;
        p.pageHeaderTop = first ? ReportHeaderHeight : 0;
        pages_.append(p);
        return p.pageHeaderTop + PageHeaderHeight;
    };
    int y = newPage(true);
    const int freshBody = bottom - PageHeaderHeight;
    for (int w = 0; w < int(wrapped_.size()); ++w) {
        const auto& fields = wrapped_[size_t(w)];
        const int total = int(std::max({fields[0].size(), fields[1].size(), fields[2].size()}));
        int first = 0;
        while (first < total) {
            Band band{w, first, total - first, y};
            if (y + band.height() > bottom) {
                // A band that fits on a page of its own goes there whole; a longer one fills
                // what is left here and goes on over the next pages. A page without bands
                // takes at least one line, so even the smallest paper makes progress.
                const bool freshPage = pages_.last().bands.isEmpty() && !pages_.last().reportHeader;
                const int linesHere = (bottom - y - DetailTop - DetailBottom) / LineHeight;
                if (!freshPage && (band.height() <= freshBody || linesHere < 1)) {
                    y = newPage(false);
                    continue;
                }
                band.lines = std::clamp(linesHere, 1, total - first);
            }
            pages_.last().bands.append(band);
            y += band.height();
            first += band.lines;
        }
    }
}

void Layout::paintPage(QPainter& p, int index) const {
    const Page& page = pages_[index];
    p.save();
    p.setPen(Qt::black);
    if (page.reportHeader) {
        p.setFont(font(kTitlePoints, true));
        text(p, kTitleLeft, 0, ReportHeaderHeight, Title, Qt::AlignHCenter, kTitleWidth);
        p.setFont(font(kDetailPoints));
        text(p, kDateLeft, 0, ReportHeaderHeight, date_, Qt::AlignLeft, kDateWidth);
    }

    // The page line keeps its places; a number wider than its place pushes what follows.
    const int top = page.pageHeaderTop;
    const double gap = kTwipsPerPoint * 3;
    p.setFont(font(kDetailPoints));
    double right = text(p, kLabelLeft, top, LineHeight, QStringLiteral("Page:"));
    right = text(p, std::max<double>(kPageNumberLeft, right + gap), top, LineHeight,
                 QString::number(index + 1));
    right =
        text(p, std::max<double>(kSlashLeft, right + gap), top, LineHeight, QStringLiteral("/"));
    text(p, std::max<double>(kPageCountLeft, right + gap), top, LineHeight,
         QString::number(pageCount()));

    p.setFont(font(kDetailPoints, true));
    text(p, NameField.left, top + kHeadingTop, LineHeight, QStringLiteral("Name"));
    text(p, MeaningField.left, top + kHeadingTop, LineHeight, QStringLiteral("Meaning"));
    text(p, ExampleField.left, top + kHeadingTop, LineHeight, QStringLiteral("Usage"));
    p.setPen(QPen(Qt::black, 15));
    p.drawLine(QPointF(kLabelLeft, top + kRuleTop), QPointF(ReportWidth, top + kRuleTop));
    p.setPen(Qt::black);

    const QFont plain = font(kDetailPoints);
    const QFont bold = font(kDetailPoints, true);
    const Field fields[] = {NameField, MeaningField, ExampleField};
    for (const Band& band : page.bands) {
        const auto& wrapped = wrapped_[size_t(band.word)];
        for (int f = 0; f < 3; ++f) {
            p.setFont(f == 0 ? bold : plain);
            const QStringList& lines = wrapped[size_t(f)];
            for (int i = 0; i < band.lines && band.firstLine + i < lines.size(); ++i)
                text(p, fields[f].left, band.top + DetailTop + i * LineHeight, LineHeight,
                     lines[band.firstLine + i]);
        }
    }
    p.restore();
}

QString pageLine(int page, int pages) {
    return QStringLiteral("Page: %1 / %2").arg(page).arg(pages);
}

QString longDate(const QDate& date) {
    return QLocale().toString(date, QLocale::LongFormat);
}

QList<Word> wordsOf(const Recordset& selection) {
    auto report =
        Recordset::open(Connection::open(ConnectionStrings::ReadOnly), selection.source());
    if (!selection.filter().isEmpty())
        report->setFilter(selection.filter());
    QList<Word> words;
    const int n = report->recordCount();
    words.reserve(n);
    for (int i = 1; i <= n; ++i)
        words.append({report->valueAt(i, QStringLiteral("Name")).toString(),
                      report->valueAt(i, QStringLiteral("Meaning")).toString(),
                      report->valueAt(i, QStringLiteral("Example")).toString()});
    return words;
}

void setUpPage(QPagedPaintDevice& device) {
    device.setPageMargins(QMarginsF(MarginInches, MarginInches, MarginInches, MarginInches),
                          QPageLayout::Inch);
}

int printableHeight(const QPagedPaintDevice& device) {
    return int(std::floor(device.pageLayout().paintRect(QPageLayout::Inch).height() * 1440));
}

int paint(QPainter& painter, QPagedPaintDevice& device, const QList<Word>& words,
          const QDate& date) {
    const Layout layout(words, printableHeight(device), longDate(date));
    const double sx = painter.device()->logicalDpiX() / 1440.0;
    const double sy = painter.device()->logicalDpiY() / 1440.0;
    for (int i = 0; i < layout.pageCount(); ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(sx, sy);
        layout.paintPage(painter, i);
        painter.restore();
    }
    return layout.pageCount();
}

} // namespace WordListReport
