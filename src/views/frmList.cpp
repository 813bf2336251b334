#include "frmList.h"

#include "data/DbError.h"
#include "data/Speech.h"
#include "study/Form1.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"
#include "views/frmNavigate.h"
#include "views/ListView.h"
#include "views/WordGridModel.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using Widgets::named;
double pixelsToTwips(const QWidget* w, int pixels) {
    return pixels * 1440.0 / w->logicalDpiX();
}
} // namespace

frmList::frmList(Form1* main) : QWidget(main, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("frmList"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("List View"));
    setWindowIcon(Look::icon(Look::Icon::List));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("frmList { background: #f3f0e8; }"));

    DataGrid1Caption = named(new QLabel(tr("List of Words in the Recordset"), this),
                             QStringLiteral("DataGrid1Caption"));
    DataGrid1Caption->setFont(Look::arial(10, true));
    DataGrid1Caption->setStyleSheet(QStringLiteral(
        "background: #1f6f8b; color: #ffffff; padding: 4px 8px; border-top-left-radius: 6px;"
        "border-top-right-radius: 6px;"));

    // Bound to the main window's own data source: the grid has no rows of its own.
    model_ = new WordGridModel(main_->Adodc1, this);
    DataGrid1 = named(new QTableView(this), QStringLiteral("DataGrid1"));
    DataGrid1->setFont(Look::arial(10));
    DataGrid1->setModel(model_);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->setAlternatingRowColors(true);
    DataGrid1->setWordWrap(false);
    DataGrid1->setTextElideMode(Qt::ElideRight);
    DataGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    DataGrid1->setStyleSheet(QStringLiteral(
        "QTableView { background: #fffdf8; alternate-background-color: #f6f2e8; gridline-color: "
        "#e4dfd2;"
        " selection-background-color: #1f6f8b; selection-color: #ffffff; }"
        "QHeaderView::section { background: #ece7da; color: #1b3a4b; font-weight: bold;"
        " padding: 4px 2px; border: none; border-right: 1px solid #d8d2c4; border-bottom: 1px "
        "solid "
        "#d8d2c4; }"));
    // Rows keep one height and are never measured, so only the rows on screen are read.
    QHeaderView* rows = DataGrid1->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(QFontMetrics(DataGrid1->font()).height() + 8);
    // The position is on the main window's "Word No.:"; the width is the columns'.
    rows->hide();
    QHeaderView* columns = DataGrid1->horizontalHeader();
    columns->setStretchLastSection(false);
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionResizeMode(WordGridModel::Lst, QHeaderView::Fixed);
    columns->setSectionResizeMode(WordGridModel::BM, QHeaderView::Fixed);
    columns->resizeSection(WordGridModel::Lst, Look::twips(this, ListView::LstWidth));
    columns->resizeSection(WordGridModel::BM, Look::twips(this, ListView::BmWidth));

    Label2 = named(new QLabel(tr("&Find"), this), QStringLiteral("Label2"));
    Text1 = named(new QLineEdit(this), QStringLiteral("Text1"));
    Text1->setClearButtonEnabled(true);
    Text1->setMaxLength(200);
    Text1->setPlaceholderText(tr("first letters of a word"));
    // Not the study card's borderless word box, whose name it shares.
    Text1->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #b9b09b; border-radius: 5px;"
                                        " background: #ffffff; padding: 4px 6px; color: #22313a; }"
                                        "QLineEdit:focus { border: 2px solid #1f6f8b; }"));
    Label2->setBuddy(Text1);
    Command1 =
        named(new QPushButton(tr("&Refine Selection ..."), this), QStringLiteral("Command1"));
    Command2 = named(new QPushButton(tr("Easy Navigate ..."), this), QStringLiteral("Command2"));
    Command3 = named(new QPushButton(tr("Print It!"), this), QStringLiteral("Command3"));
    Command3->setToolTip(tr("Print Whatever you are seeing below"));
    Command3->setIcon(Look::icon(Look::Icon::Print));
    Command4 = named(new QPushButton(tr("Close"), this), QStringLiteral("Command4"));
    Command12 = named(new QPushButton(this), QStringLiteral("Command12"));
    Command12->setIcon(Look::icon(Look::Icon::Speaker));
    Command12->setIconSize(QSize(20, 20));
    Command12->setAccessibleName(tr("Pronounce"));
    Command12->setToolTip(tr("Pronounce"));

    auto* top = new QHBoxLayout;
    top->addWidget(Label2);
    top->addWidget(Text1, 1);
    top->addSpacing(12);
    top->addWidget(Command12);
    top->addSpacing(12);
    top->addWidget(Command1);
    top->addWidget(Command2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Command3);
    bottom->addStretch();
    bottom->addWidget(Command4);
    auto* grid = new QVBoxLayout;
    grid->setSpacing(0);
    grid->addWidget(DataGrid1Caption);
    grid->addWidget(DataGrid1, 1);
    auto* layout = new QVBoxLayout(this);
    // The grid takes the window's width less 200 twips, as the column rule counts on.
    const int side = Look::twips(this, 100);
    layout->setContentsMargins(side, 10, side, 10);
    layout->addLayout(top);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);

    connect(Text1, &QLineEdit::textChanged, this, &frmList::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &frmList::command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmList::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmList::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmList::Command4_Click);
    connect(Command12, &QPushButton::clicked, this, &frmList::Command12_Click);
    connect(model_, &WordGridModel::currentRowChanged, this, &frmList::followCard);
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { followCard(model_->currentRow()); });
    connect(DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { gridRowPicked(current); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmList::Command4_Click);

    resize(980, 620);
    setMinimumSize(640, 400);
    followCard(model_->currentRow());
}

void frmList::Form_Load() {
    MessageBox::info(this, ListView::openingMessage());
    Command2_Click();
    DataGrid1->setFocus();
}

void frmList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmList::Form_Resize() {
    const ListView::GridLayout g =
        ListView::gridLayout(pixelsToTwips(this, width()), pixelsToTwips(this, height()));
    QHeaderView* columns = DataGrid1->horizontalHeader();
    const auto px = [this](double twips) {
        return std::max(40, Look::twips(this, int(std::lround(twips))));
    };
    columns->resizeSection(WordGridModel::Word, px(g.word));
    columns->resizeSection(WordGridModel::Meaning, px(g.meaning));
    columns->resizeSection(WordGridModel::Usage, px(g.usage));
}

void frmList::followCard(int row) {
    following_ = true;
    QItemSelectionModel* selection = DataGrid1->selectionModel();
    if (row < 0) {
        selection->clear();
    } else {
        const int column = std::max(DataGrid1->currentIndex().column(), int(WordGridModel::Word));
        const QModelIndex at = model_->index(row, column);
        selection->setCurrentIndex(at,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        DataGrid1->scrollTo(at);
    }
    following_ = false;
}

void frmList::gridRowPicked(const QModelIndex& current) {
    if (!following_ && current.isValid())
        model_->moveTo(current.row());
}

void frmList::Text1_Change() {
    main_->findword(Text1->text());
}

void frmList::command1_Click() {
    main_->openRefineSelection(this, false);
}

void frmList::Command2_Click() {
    if (!frmNavigate_) {
        frmNavigate_ = new frmNavigate(main_, this);
        frmNavigate_->adjustSize();
        // Beside the list's right edge, on the screen.
        QPoint at = geometry().topRight() + QPoint(12, 40);
        if (const QScreen* s = screen()) {
            const QRect area = s->availableGeometry();
            at.setX(std::min(at.x(), area.right() - frmNavigate_->width()));
            at.setY(std::clamp(at.y(), area.top(),
                               std::max(area.top(), area.bottom() - frmNavigate_->height())));
        }
        frmNavigate_->move(at);
    }
    frmNavigate_->show();
    frmNavigate_->raise();
}

void frmList::Command3_Click() {
    main_->PrintIt();
}

void frmList::Command4_Click() {
    close();
}

void frmList::Command12_Click() {
    tryStep([&] { main_->DirectSS1->speak(main_->Text1->text()); });
}
