#pragma once

#include <array>
#include <QDate>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class Recordset;

// The printed word list: a report laid out in twips (1440 per inch) from the printable area's
// top left corner, page by page.
//
//   report header (first page only, 435): the title "Verbaloom!" and the date
//   page header (every page, 660): "Page:" n "/" N, the headings Name, Meaning, Usage, a rule
//   detail (one per word, 525): the word, its meaning and its usage
//   page footer (360) and report footer (435): empty
//
// A meaning or usage longer than its column wraps and its band grows by one line height per
// extra line; a band taller than a whole page continues on the next one. Nothing is cut off.
namespace WordListReport {

inline constexpr int ReportHeaderHeight = 435;
inline constexpr int PageHeaderHeight = 660;
inline constexpr int DetailHeight = 525;
inline constexpr int PageFooterHeight = 360;
inline constexpr int DetailTop = 144;
inline constexpr int LineHeight = 240;
// Below the last line of a band: what the detail section leaves under its one-line fields.
inline constexpr int DetailBottom = DetailHeight - DetailTop - LineHeight;

struct Field {
    int left;
    int width;
};
inline constexpr Field NameField{576, 1590};
inline constexpr Field MeaningField{2304, 2448};
inline constexpr Field ExampleField{4896, 4620};
// The widest the report reaches: the right edge of the usage column.
inline constexpr int ReportWidth = ExampleField.left + ExampleField.width;
// Margins that leave room for the report on Letter and A4 paper alike.
inline constexpr double MarginInches = 0.75;

inline const QString Title = QStringLiteral("Verbaloom!");
inline const QString WindowTitle = QStringLiteral("Print Preview");

struct Word {
    QString name;
    QString meaning;
    QString example;
};

// One detail band on a page: lines [firstLine, firstLine + lines) of a word's wrapped texts.
struct Band {
    int word = 0;
    int firstLine = 0;
    int lines = 1;
    int top = 0; // from the page's top
    int height() const { return DetailTop + lines * LineHeight + DetailBottom; }
};

struct Page {
    bool reportHeader = false;
    int pageHeaderTop = 0;
    QList<Band> bands;
};

// Arial, in sizes given in points, for painting in twips.
QFont font(double points, bool bold = false);

class Layout {
public:
    // The first pass: wraps every text and places every band; pageHeight is the printable
    // height in twips.
    Layout(QList<Word> words, int pageHeight, QString date);

    int pageCount() const { return int(pages_.size()); }
    const Page& page(int index) const { return pages_[index]; }
    const QList<Page>& pages() const { return pages_; }
    const QList<Word>& words() const { return words_; }
    const QString& date() const { return date_; }
    int pageHeight() const { return pageHeight_; }

    // The wrapped lines of a word's name (0), meaning (1) or usage (2).
    const QStringList& lines(int word, int field) const {
        return wrapped_[size_t(word)][size_t(field)];
    }

    // The second pass: paints one page, in twips from the printable area's top left.
    void paintPage(QPainter& painter, int index) const;

private:
    void place();

    QList<Word> words_;
    int pageHeight_;
    QString date_;
    std::vector<std::array<QStringList, 3>> wrapped_;
    QList<Page> pages_;
};

// "Page:", the page number, "/", the page count, as the page header reads.
QString pageLine(int page, int pages);
// The date in the report header, in the long format.
QString longDate(const QDate& date);

// The words of a result set's rows, in its order, read through a read-only connection of
// the report's own: the same source text and filter, so the list is exactly the rows the
// learner sees, and the learner's result set is never moved.
QList<Word> wordsOf(const Recordset& selection);

// Sets the report's margins on a printer or PDF writer.
void setUpPage(QPagedPaintDevice& device);
// The printable height of a device's page, in twips.
int printableHeight(const QPagedPaintDevice& device);
// Lays out and paints every page onto a device whose painter is active. Returns the page count.
int paint(QPainter& painter, QPagedPaintDevice& device, const QList<Word>& words,
          const QDate& date);

} // namespace WordListReport
