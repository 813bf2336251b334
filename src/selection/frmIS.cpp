#include "frmIS.h"

#include "data/Recordset.h"
#include "selection/frmcalender.h"
#include "selection/IntelliSelect.h"
#include "study/Form1.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

using Widgets::named;
QListWidget* multiList(QWidget* parent, const char* name, const QString& tip) {
    auto* list = named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setToolTip(tip);
    return list;
}
} // namespace

frmIS::frmIS(Form1* main, QWidget* owner) : QDialog(owner ? owner : main), main_(main) {
    setObjectName(QStringLiteral("frmIS"));
    setWindowTitle(tr("Word Selection"));

    Picture1 = named(new QFrame(this), "Picture1");
    Picture1->setStyleSheet(
        QStringLiteral("QFrame#Picture1 { background: #1f6f8b; border-radius: 8px; }"));
    Label17 = named(new QLabel(tr("Word Selection: What do you want to study today?"), Picture1),
                    "Label17");
    Label17->setFont(Look::arial(15, true));
    Label17->setStyleSheet(QStringLiteral("color: white;"));
    auto* banner = new QHBoxLayout(Picture1);
    banner->setContentsMargins(16, 10, 16, 10);
    banner->addWidget(Label17);

    // Which table.
    auto* tableBox = named(new QGroupBox(tr("Word List"), this), "frameTable");
    Label4 = named(new QLabel(tr("Choose a WordList"), tableBox), "Label4");
    lstWLSelect = named(new QListWidget(tableBox), "lstWLSelect");
    lstWLSelect->addItems({IntelliSelect::MainWordList, IntelliSelect::SpecialWordList});
    lstWLSelect->setMaximumHeight(54);
    Label5 = named(new QLabel(tableBox), "Label5");
    Label5->setWordWrap(true);
    Label5->setStyleSheet(QStringLiteral("color: #6b6455;"));
    frameSpWL = named(new QGroupBox(tableBox), "frameSpWL");
    chkSpecialWL = named(new QCheckBox(tr("Special WordList..."), frameSpWL), "chkSpecialWL");
    lstSpWL = multiList(frameSpWL, "lstSpWL",
                        tr("You can specify Multiple WL's using Cntrl & Shift Keys"));
    auto* spLayout = new QVBoxLayout(frameSpWL);
    spLayout->addWidget(chkSpecialWL);
    spLayout->addWidget(lstSpWL, 1);
    auto* tableLayout = new QVBoxLayout(tableBox);
    tableLayout->addWidget(Label4);
    tableLayout->addWidget(lstWLSelect);
    tableLayout->addWidget(Label5);
    tableLayout->addWidget(frameSpWL, 1);
    tableLayout->addStretch();

    Frame6 = named(new QGroupBox(this), "Frame6");
    chkAll = named(new QCheckBox(tr("All Words"), Frame6), "chkAll");
    (new QVBoxLayout(Frame6))->addWidget(chkAll);

    Frame1 = named(new QGroupBox(this), "Frame1");
    chkAlpha = named(new QCheckBox(tr("Letter Starting ..."), Frame1), "chkAlpha");
    Label6 = named(new QLabel(tr("(Click above to see)"), Frame1), "Label6");
    Label6->setStyleSheet(QStringLiteral("color: #8a8272;"));
    frameAlpha = named(new QFrame(Frame1), "frameAlpha");
    lstAlphabet = multiList(frameAlpha, "lstAlphabet",
                            tr("You can specify Multiple Letters using Cntrl & Shift Keys"));
    lstAlphabet->setFlow(QListView::LeftToRight);
    lstAlphabet->setWrapping(true);
    lstAlphabet->setGridSize(QSize(30, 24));
    lstAlphabet->setMinimumHeight(100);
    Label3 = named(new QLabel(tr("Use Ctrl / Shift to select more than 1 alphabet"), frameAlpha),
                   "Label3");
    Label3->setWordWrap(true);
    auto* alphaLayout = new QVBoxLayout(frameAlpha);
    alphaLayout->setContentsMargins(0, 0, 0, 0);
    alphaLayout->addWidget(lstAlphabet);
    alphaLayout->addWidget(Label3);
    auto* f1 = new QVBoxLayout(Frame1);
    f1->addWidget(chkAlpha);
    f1->addWidget(Label6);
    f1->addWidget(frameAlpha);

    frameWL = named(new QGroupBox(this), "frameWL");
    chkWL = named(new QCheckBox(tr("Word List ..."), frameWL), "chkWL");
    lstWList = multiList(frameWL, "lstWList",
                         tr("You can specify Multiple WL's using Cntrl & Shift Keys"));
    lstWList->setMinimumHeight(120);
    auto* wl = new QVBoxLayout(frameWL);
    wl->addWidget(chkWL);
    wl->addWidget(lstWList);

    Frame5 = named(new QGroupBox(this), "Frame5");
    chkRCnt = named(new QCheckBox(tr("Word Study Count ..."), Frame5), "chkRCnt");
    frameRCnt = named(new QFrame(Frame5), "frameRCnt");
    Label1 = named(new QLabel(tr("Words which have been studied ..."), frameRCnt), "Label1");
    cmbRdCnt = named(new QComboBox(frameRCnt), "cmbRdCnt");
    cmbRdCnt->setEditable(true);
    cmbRdCnt->addItems(IntelliSelect::comparisons());
    cmbRdCnt->setCurrentText(QStringLiteral(">"));
    cmbRdCnt->setMaximumWidth(70);
    txtRdCnt = named(new QLineEdit(QStringLiteral("0"), frameRCnt), "txtRdCnt");
    txtRdCnt->setMaximumWidth(80);
    VScroll1 = named(new QScrollBar(Qt::Vertical, frameRCnt), "VScroll1");
    VScroll1->setRange(0, 32767);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    VScroll1->setValue(0);
    VScroll1->setFixedHeight(txtRdCnt->sizeHint().height() + 6);
    Label2 = named(new QLabel(tr("times"), frameRCnt), "Label2");
    auto* rc = new QGridLayout(frameRCnt);
    rc->setContentsMargins(0, 0, 0, 0);
    rc->addWidget(Label1, 0, 0, 1, 4);
    rc->addWidget(cmbRdCnt, 1, 0);
    rc->addWidget(txtRdCnt, 1, 1);
    rc->addWidget(VScroll1, 1, 2);
    rc->addWidget(Label2, 1, 3);
    rc->setColumnStretch(3, 1);
    auto* f5 = new QVBoxLayout(Frame5);
    f5->addWidget(chkRCnt);
    f5->addWidget(frameRCnt);

    Frame3 = named(new QGroupBox(this), "Frame3");
    chkDL = named(new QCheckBox(tr("Difficulty Level ..."), Frame3), "chkDL");
    frameDL = named(new QFrame(Frame3), "frameDL");
    const QStringList levels{tr("Easy"), tr("Difficult"), tr("Very Difficult")};
    auto* dl = new QHBoxLayout(frameDL);
    dl->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        chkDiffLevel[size_t(i)] = new QCheckBox(levels[i], frameDL);
        chkDiffLevel[size_t(i)]->setObjectName(QStringLiteral("chkDiffLevel_%1").arg(i));
        dl->addWidget(chkDiffLevel[size_t(i)]);
    }
    dl->addStretch();
    auto* f3 = new QVBoxLayout(Frame3);
    f3->addWidget(chkDL);
    f3->addWidget(frameDL);

    Frame4 = named(new QGroupBox(this), "Frame4");
    chkLastRead =
        named(new QCheckBox(tr("Revise what you have studied ..."), Frame4), "chkLastRead");
    frameLRead = named(new QFrame(Frame4), "frameLRead");
    Label18 = named(new QLabel(tr("From (mm/dd/yyyy)"), frameLRead), "Label18");
    Label19 = named(new QLabel(tr("To"), frameLRead), "Label19");
    for (int i = 0; i < 2; ++i) {
        txtDateRange[size_t(i)] = new QLineEdit(frameLRead);
        txtDateRange[size_t(i)]->setObjectName(QStringLiteral("txtDateRange_%1").arg(i));
        txtDateRange[size_t(i)]->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
        txtDateRange[size_t(i)]->setMaxLength(10);
    }
    Label18->setBuddy(txtDateRange[0]);
    Label19->setBuddy(txtDateRange[1]);
    cmdFromDate = named(new QPushButton(QStringLiteral("..."), frameLRead), "cmdFromDate");
    cmdToDate = named(new QPushButton(QStringLiteral("..."), frameLRead), "cmdToDate");
    for (QPushButton* b : {cmdFromDate, cmdToDate}) {
        b->setMaximumWidth(40);
        b->setToolTip(tr("Choose a date"));
    }
    auto* lr = new QGridLayout(frameLRead);
    lr->setContentsMargins(0, 0, 0, 0);
    lr->addWidget(Label18, 0, 0);
    lr->addWidget(txtDateRange[0], 0, 1);
    lr->addWidget(cmdFromDate, 0, 2);
    lr->addWidget(Label19, 1, 0);
    lr->addWidget(txtDateRange[1], 1, 1);
    lr->addWidget(cmdToDate, 1, 2);
    auto* f4 = new QVBoxLayout(Frame4);
    f4->addWidget(chkLastRead);
    f4->addWidget(frameLRead);

    cmdOK = named(new QPushButton(tr("Get Results"), this), "cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setStyleSheet(
        QStringLiteral("QPushButton { background: #1f6f8b; color: white; font-weight: bold; }"));
    cmdCancel = named(new QPushButton(tr("Cancel"), this), "cmdCancel");

    auto* middle = new QVBoxLayout;
    middle->addWidget(Frame6);
    middle->addWidget(Frame1);
    middle->addWidget(frameWL, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(Frame5);
    right->addWidget(Frame3);
    right->addWidget(Frame4);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(tableBox, 1);
    columns->addLayout(middle, 1);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Picture1);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(lstWLSelect, &QListWidget::currentRowChanged, this, &frmIS::lstWLSelect_Click);
    connect(chkAll, &QCheckBox::toggled, this, &frmIS::chkAll_Click);
    const std::pair<QCheckBox*, QWidget*> parts[] = {
        {chkAlpha, frameAlpha}, {chkWL, lstWList},         {chkRCnt, frameRCnt},
        {chkDL, frameDL},       {chkLastRead, frameLRead}, {chkSpecialWL, lstSpWL}};
    for (const auto& entry : parts) {
        QCheckBox* box = entry.first;
        QWidget* part = entry.second;
        part->hide();
        connect(box, &QCheckBox::toggled, this, [this, box, part] { criterionClick(box, part); });
    }
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmIS::VScroll1_Change);
    connect(cmdFromDate, &QPushButton::clicked, this, &frmIS::cmdFromDate_Click);
    connect(cmdToDate, &QPushButton::clicked, this, &frmIS::cmdToDate_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmIS::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmIS::cmdCancel_Click);

    Form_Load();
    resize(940, 620);
}

void frmIS::Form_Load() {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (int i = 0; i < 26; ++i)
        lstAlphabet->addItem(letters.mid(i, 1));
    for (int i = 0; i <= 52; ++i)
        lstWList->addItem(QStringLiteral("WordList ") + QString::number(i + 1));
    frameSpWL->hide();
    lstWLSelect->setCurrentRow(0);
    lstWLSelect_Click();
    lstSpWL->addItems(IntelliSelect::categories());
}

void frmIS::lstWLSelect_Click() {
    const QListWidgetItem* item = lstWLSelect->currentItem();
    const QString text = item ? item->text() : QString();
    if (text == IntelliSelect::SpecialWordList) {
        Label5->setText(IntelliSelect::SpecialDescription);
        frameSpWL->show();
    } else if (text == IntelliSelect::MainWordList) {
        Label5->setText(IntelliSelect::MainDescription);
        frameSpWL->hide();
    }
}

void frmIS::chkAll_Click() {
    if (!chkAll->isChecked())
        return;
    for (QCheckBox* box : {chkAlpha, chkDL, chkRCnt, chkLastRead, chkWL, chkSpecialWL})
        box->setChecked(false);
}

void frmIS::criterionClick(QCheckBox* box, QWidget* part) {
    if (box->isChecked()) {
        if (chkAll->isChecked())
            chkAll->setChecked(false);
        part->show();
    } else {
        part->hide();
    }
}

void frmIS::VScroll1_Change() {
    txtRdCnt->setText(QString::number(VScroll1->value()));
}

void frmIS::openCalendar(QLineEdit* target) {
    dateTarget = target;
    frmcalender calendar(this);
    calendar.exec();
}

void frmIS::cmdFromDate_Click() {
    openCalendar(txtDateRange[0]);
}
void frmIS::cmdToDate_Click() {
    openCalendar(txtDateRange[1]);
}

void frmIS::cmdCancel_Click() {
    reject();
}

void frmIS::cmdOK_Click() {
    IntelliSelect::Criteria c;
    if (const QListWidgetItem* item = lstWLSelect->currentItem())
        c.wordList = item->text();
    c.letters = chkAlpha->isChecked();
    for (int i = 0; i < lstAlphabet->count(); ++i)
        if (lstAlphabet->item(i)->isSelected())
            c.selectedLetters << lstAlphabet->item(i)->text();
    c.wordLists = chkWL->isChecked();
    for (int i = 0; i < lstWList->count(); ++i)
        if (lstWList->item(i)->isSelected())
            c.selectedLists << i;
    c.studyCount = chkRCnt->isChecked();
    c.comparison = cmbRdCnt->currentText();
    c.count = txtRdCnt->text();
    c.difficulty = chkDL->isChecked();
    c.easy = chkDiffLevel[0]->isChecked();
    c.difficult = chkDiffLevel[1]->isChecked();
    c.veryDifficult = chkDiffLevel[2]->isChecked();
    c.lastStudied = chkLastRead->isChecked();
    c.from = txtDateRange[0]->text();
    c.to = txtDateRange[1]->text();
    c.specialCategories = chkSpecialWL->isChecked();
    c.specialShown = !frameSpWL->isHidden();
    for (int i = 0; i < lstSpWL->count(); ++i)
        if (lstSpWL->item(i)->isSelected())
            c.selectedCategories << lstSpWL->item(i)->text();

    const IntelliSelect::Result result = IntelliSelect::compose(c);
    if (!result.message.isEmpty()) {
        MessageBox::info(this, result.message);
        return;
    }
    CurrentSelection& selection = main_->selection();
    selection.selectionChanging = true;
    const bool ran = selection.querybtn(result.statement);
    selection.selectionChanging = false;
    if (!ran) {
        // Never report a count for rows that were not selected.
        MessageBox::info(this, tr("The words could not be selected. Please check the criteria "
                                  "and try again."));
        return;
    }
    selection.refineFilter = CurrentSelection::NoRefinement;
    selection.selectionCount = main_->recordset() ? main_->recordset()->recordCount() : 0;
    MessageBox::info(this, IntelliSelect::bagMessage(selection.selectionCount));
    accept();
}
