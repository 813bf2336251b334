#include "WordGridPanel.h"

#include "study/StudySession.h"
#include "ui/Look.h"
#include "ui/Widgets.h"
#include "views/WordGridModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

using Widgets::named;

// Draws the rows the learner opened up with their whole texts wrapped; every other row keeps
// its one line, cut short where the column ends.
class WrappedRowsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSet<int> rows;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!rows.contains(index.row()) || index.column() < WordGridModel::Word)
            return;
        option->features |= QStyleOptionViewItem::WrapText;
        option->text = index.data(WordGridModel::FullTextRole)
                           .toString()
                           .replace(QLatin1Char('\n'), QChar::LineSeparator);
        option->displayAlignment = Qt::AlignLeft | Qt::AlignTop;
    }
};

WordGridPanel::WordGridPanel(StudySession& session, QWidget* parent)
    : QWidget(parent), session_(session), model_(new WordGridModel(session.dataSource(), this)) {
    caption_ = named(new QLabel(tr("List of Words in the Recordset"), this),
                     QStringLiteral("DataGrid1Caption"));
    caption_->setFont(Look::arial(10, true));
    caption_->setProperty("surface", QStringLiteral("heading"));
    buildTable();
    caption_->setBuddy(table_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(caption_);
    layout->addWidget(table_, 1);

    connect(model_, &WordGridModel::currentRowChanged, this, &WordGridPanel::followSession);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        // Other rows now: none of them was opened up.
        delegate_->rows.clear();
        followSession(model_->currentRow());
    });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { rowPicked(current); });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { toggleRowWrap(index.row()); });
    table_->installEventFilter(this);
    followSession(model_->currentRow());
}

void WordGridPanel::buildTable() {
    table_ = named(new QTableView(this), QStringLiteral("DataGrid1"));
    table_->setFont(Look::arial(10));
    table_->setModel(model_);
    delegate_ = new WrappedRowsDelegate(table_);
    table_->setItemDelegate(delegate_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Tab leaves the list for the buttons; the arrows move within it.
    table_->setTabKeyNavigation(false);
    table_->setAccessibleName(tr("List of Words in the Recordset"));
    table_->setAccessibleDescription(
        tr("Double-click a word, or press Enter, to see its texts whole"));
    // Rows keep one height and are never measured, so only the rows on screen are read; a
    // row opened up is measured alone.
    QHeaderView* rows = table_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(QFontMetrics(table_->font()).height() + 8);
    // The position is on the main window's "Word No.:"; the width is the columns'.
    rows->hide();
    QHeaderView* columns = table_->horizontalHeader();
    columns->setStretchLastSection(false);
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionResizeMode(WordGridModel::Lst, QHeaderView::Fixed);
    columns->setSectionResizeMode(WordGridModel::BM, QHeaderView::Fixed);
    columns->resizeSection(WordGridModel::Lst, Look::twips(this, ListView::LstWidth));
    columns->resizeSection(WordGridModel::BM, Look::twips(this, ListView::BmWidth));
    // A column the learner widens re-measures the rows opened up.
    connect(columns, &QHeaderView::sectionResized, this, [this] { resizeWrappedRows(); });
    // A click on a heading that can sort goes ascending, descending, and back to the
    // selection's order; any other heading keeps the order in force.
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(true);
    columns->setSortIndicatorClearable(true);
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    connect(columns, &QHeaderView::sortIndicatorChanged, this,
            [this, columns](int section, Qt::SortOrder order) {
                if (section >= 0 && !WordGridModel::canSortBy(section)) {
                    columns->setSortIndicator(model_->sortColumn(), model_->sortOrder());
                    return;
                }
                if (section != model_->sortColumn() || order != model_->sortOrder())
                    model_->sortBy(section, order);
            });
    connect(model_, &WordGridModel::sortProgress, this, [this](int percent) {
        caption_->setText(percent < 100 ? tr("List of Words in the Recordset (sorting %1%)")
                                              .arg(percent)
                                        : tr("List of Words in the Recordset"));
    });
}

void WordGridPanel::fitColumns(const ListView::GridLayout& layout) {
    QHeaderView* columns = table_->horizontalHeader();
    const auto px = [this](double twips) {
        return std::max(40, Look::twips(this, int(std::lround(twips))));
    };
    columns->resizeSection(WordGridModel::Word, px(layout.word));
    columns->resizeSection(WordGridModel::Meaning, px(layout.meaning));
    columns->resizeSection(WordGridModel::Usage, px(layout.usage));
}

void WordGridPanel::followSession(int row) {
    following_ = true;
    QItemSelectionModel* selection = table_->selectionModel();
    if (row < 0) {
        selection->clear();
    } else {
        const int column = std::max(table_->currentIndex().column(), int(WordGridModel::Word));
        const QModelIndex at = model_->index(row, column);
        selection->setCurrentIndex(at,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        table_->scrollTo(at);
    }
    following_ = false;
}

void WordGridPanel::rowPicked(const QModelIndex& current) {
    if (following_ || !current.isValid() || current.row() == model_->currentRow())
        return;
    const int position = model_->positionAt(current.row());
    if (position == 0)
        return; // a row whose word is not known yet
    session_.goTo(position);
    // Refused while another window holds the word: the grid goes back to it once the click
    // that picked the row has done its own selecting.
    if (model_->currentRow() != current.row())
        QMetaObject::invokeMethod(
            this, [this] { followSession(model_->currentRow()); }, Qt::QueuedConnection);
}

bool WordGridPanel::isRowWrapped(int row) const {
    return delegate_->rows.contains(row);
}

void WordGridPanel::toggleRowWrap(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    QHeaderView* rows = table_->verticalHeader();
    if (delegate_->rows.remove(row)) {
        rows->resizeSection(row, rows->defaultSectionSize());
        return;
    }
    delegate_->rows.insert(row);
    rows->resizeSection(row, wrappedHeight(row));
}

int WordGridPanel::wrappedHeight(int row) const {
    int height = table_->verticalHeader()->defaultSectionSize();
    for (int column = WordGridModel::Word; column < WordGridModel::ColumnCount; ++column) {
        QStyleOptionViewItem option;
        option.initFrom(table_);
        option.widget = table_;
        option.font = table_->font();
        option.fontMetrics = QFontMetrics(option.font);
        option.rect = QRect(0, 0, table_->columnWidth(column), height);
        height = std::max(height, delegate_->sizeHint(option, model_->index(row, column)).height());
    }
    return height;
}

void WordGridPanel::resizeWrappedRows() {
    for (int row : std::as_const(delegate_->rows))
        table_->verticalHeader()->resizeSection(row, wrappedHeight(row));
}

bool WordGridPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && table_->currentIndex().isValid()) {
            toggleRowWrap(table_->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
