#include "WordSelectionDialog.h"

#include "selection/CalendarDialog.h"
#include "study/StudySession.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

using Widgets::label;
using Widgets::named;

QListWidget* multiList(QWidget* parent, const QString& name, const QString& accessibleName,
                       const QString& tip) {
    auto* list = named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setAccessibleName(accessibleName);
    list->setToolTip(tip);
    return list;
}

// A criterion's box: its check box first, then what it shows when ticked.
QGroupBox* criterionBox(QWidget* parent, const QString& name, QCheckBox** check,
                        const QString& caption, const QString& checkName) {
    auto* box = named(new QGroupBox(parent), name);
    *check = named(new QCheckBox(caption, box), checkName);
    return box;
}

} // namespace

WordSelectionDialog::WordSelectionDialog(StudySession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("frmIS"));
    setWindowTitle(tr("Word Selection"));
    QWidget* banner = buildBanner();
    QGroupBox* wordListChoice = buildWordListChoice();
    const QList<QGroupBox*> middle{buildAllWords(), buildLetters(), buildWordLists()};
    const QList<QGroupBox*> right{buildStudyCount(), buildDifficulty(), buildLastStudied()};
    buildButtons();
    layOut(banner, wordListChoice, middle, right);
    connectCriteria();
    fillChoices();
    resize(940, 620);
}

QWidget* WordSelectionDialog::buildBanner() {
    auto* banner = named(new QFrame(this), QStringLiteral("Picture1"));
    banner->setProperty("surface", QStringLiteral("banner"));
    auto* heading = label(tr("Word Selection: What do you want to study today?"),
                          QStringLiteral("Label17"), banner);
    heading->setFont(Look::arial(15, true));
    auto* row = new QHBoxLayout(banner);
    row->setContentsMargins(16, 10, 16, 10);
    row->addWidget(heading);
    return banner;
}

QGroupBox* WordSelectionDialog::buildWordListChoice() {
    auto* box = named(new QGroupBox(tr("Word List"), this), QStringLiteral("frameTable"));
    auto* caption = label(tr("Choose a WordList"), QStringLiteral("Label4"), box);
    wordListChoice_ = named(new QListWidget(box), QStringLiteral("lstWLSelect"));
    wordListChoice_->setMaximumHeight(54);
    wordListChoice_->setAccessibleName(tr("Choose a WordList"));
    caption->setBuddy(wordListChoice_);
    wordListDescription_ = label(QString(), QStringLiteral("Label5"), box);
    wordListDescription_->setWordWrap(true);
    wordListDescription_->setProperty("tone", QStringLiteral("muted"));
    specialListsPart_ = named(new QGroupBox(box), QStringLiteral("frameSpWL"));
    specialListsCheck_ = named(new QCheckBox(tr("Special WordList..."), specialListsPart_),
                               QStringLiteral("chkSpecialWL"));
    specialLists_ =
        multiList(specialListsPart_, QStringLiteral("lstSpWL"), tr("Special word lists"),
                  tr("You can specify Multiple WL's using Cntrl & Shift Keys"));
    auto* special = new QVBoxLayout(specialListsPart_);
    special->addWidget(specialListsCheck_);
    special->addWidget(specialLists_, 1);
    auto* column = new QVBoxLayout(box);
    column->addWidget(caption);
    column->addWidget(wordListChoice_);
    column->addWidget(wordListDescription_);
    column->addWidget(specialListsPart_, 1);
    column->addStretch();
    return box;
}

QGroupBox* WordSelectionDialog::buildAllWords() {
    QGroupBox* box = criterionBox(this, QStringLiteral("Frame6"), &allWordsCheck_, tr("All Words"),
                                  QStringLiteral("chkAll"));
    (new QVBoxLayout(box))->addWidget(allWordsCheck_);
    return box;
}

QGroupBox* WordSelectionDialog::buildLetters() {
    QGroupBox* box = criterionBox(this, QStringLiteral("Frame1"), &lettersCheck_,
                                  tr("Letter Starting ..."), QStringLiteral("chkAlpha"));
    auto* hint = label(tr("(Click above to see)"), QStringLiteral("Label6"), box);
    hint->setProperty("tone", QStringLiteral("muted"));
    lettersPart_ = named(new QFrame(box), QStringLiteral("frameAlpha"));
    letters_ = multiList(lettersPart_, QStringLiteral("lstAlphabet"), tr("Starting letters"),
                         tr("You can specify Multiple Letters using Cntrl & Shift Keys"));
    letters_->setFlow(QListView::LeftToRight);
    letters_->setWrapping(true);
    letters_->setGridSize(QSize(30, 24));
    letters_->setMinimumHeight(100);
    auto* lettersHint = label(tr("Use Ctrl / Shift to select more than 1 alphabet"),
                              QStringLiteral("Label3"), lettersPart_);
    lettersHint->setWordWrap(true);
    auto* part = new QVBoxLayout(lettersPart_);
    part->setContentsMargins(0, 0, 0, 0);
    part->addWidget(letters_);
    part->addWidget(lettersHint);
    auto* column = new QVBoxLayout(box);
    column->addWidget(lettersCheck_);
    column->addWidget(hint);
    column->addWidget(lettersPart_);
    return box;
}

QGroupBox* WordSelectionDialog::buildWordLists() {
    QGroupBox* box = criterionBox(this, QStringLiteral("frameWL"), &wordListsCheck_,
                                  tr("Word List ..."), QStringLiteral("chkWL"));
    wordLists_ = multiList(box, QStringLiteral("lstWList"), tr("Word lists"),
                           tr("You can specify Multiple WL's using Cntrl & Shift Keys"));
    wordLists_->setMinimumHeight(120);
    auto* column = new QVBoxLayout(box);
    column->addWidget(wordListsCheck_);
    column->addWidget(wordLists_);
    return box;
}

QGroupBox* WordSelectionDialog::buildStudyCount() {
    QGroupBox* box = criterionBox(this, QStringLiteral("Frame5"), &studyCountCheck_,
                                  tr("Word Study Count ..."), QStringLiteral("chkRCnt"));
    studyCountPart_ = named(new QFrame(box), QStringLiteral("frameRCnt"));
    auto* caption =
        label(tr("Words which have been studied ..."), QStringLiteral("Label1"), studyCountPart_);
    comparison_ = named(new QComboBox(studyCountPart_), QStringLiteral("cmbRdCnt"));
    comparison_->setEditable(true);
    comparison_->addItems(IntelliSelect::comparisons());
    comparison_->setCurrentText(QStringLiteral(">"));
    comparison_->setMaximumWidth(70);
    comparison_->setAccessibleName(tr("Comparison"));
    caption->setBuddy(comparison_);
    studyCount_ =
        named(new QLineEdit(QStringLiteral("0"), studyCountPart_), QStringLiteral("txtRdCnt"));
    studyCount_->setMaximumWidth(80);
    studyCount_->setAccessibleName(tr("Times studied"));
    studyCountStepper_ =
        named(new QScrollBar(Qt::Vertical, studyCountPart_), QStringLiteral("VScroll1"));
    studyCountStepper_->setRange(0, 32767);
    studyCountStepper_->setSingleStep(1);
    studyCountStepper_->setPageStep(1);
    studyCountStepper_->setFixedHeight(studyCount_->sizeHint().height() + 6);
    studyCountStepper_->setAccessibleName(tr("Times studied, up or down"));
    auto* times = label(tr("times"), QStringLiteral("Label2"), studyCountPart_);
    auto* grid = new QGridLayout(studyCountPart_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(caption, 0, 0, 1, 4);
    grid->addWidget(comparison_, 1, 0);
    grid->addWidget(studyCount_, 1, 1);
    grid->addWidget(studyCountStepper_, 1, 2);
    grid->addWidget(times, 1, 3);
    grid->setColumnStretch(3, 1);
    auto* column = new QVBoxLayout(box);
    column->addWidget(studyCountCheck_);
    column->addWidget(studyCountPart_);
    return box;
}

QGroupBox* WordSelectionDialog::buildDifficulty() {
    QGroupBox* box = criterionBox(this, QStringLiteral("Frame3"), &difficultyCheck_,
                                  tr("Difficulty Level ..."), QStringLiteral("chkDL"));
    difficultyPart_ = named(new QFrame(box), QStringLiteral("frameDL"));
    const QStringList levels{tr("Easy"), tr("Difficult"), tr("Very Difficult")};
    auto* row = new QHBoxLayout(difficultyPart_);
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        difficultyLevels_[size_t(i)] = named(new QCheckBox(levels[i], difficultyPart_),
                                             QStringLiteral("chkDiffLevel_%1").arg(i));
        row->addWidget(difficultyLevels_[size_t(i)]);
    }
    row->addStretch();
    auto* column = new QVBoxLayout(box);
    column->addWidget(difficultyCheck_);
    column->addWidget(difficultyPart_);
    return box;
}

QGroupBox* WordSelectionDialog::buildLastStudied() {
    QGroupBox* box =
        criterionBox(this, QStringLiteral("Frame4"), &lastStudiedCheck_,
                     tr("Revise what you have studied ..."), QStringLiteral("chkLastRead"));
    lastStudiedPart_ = named(new QFrame(box), QStringLiteral("frameLRead"));
    const std::array<QLabel*, 2> captions{
        label(tr("From (mm/dd/yyyy)"), QStringLiteral("Label18"), lastStudiedPart_),
        label(tr("To"), QStringLiteral("Label19"), lastStudiedPart_)};
    const QStringList buttonNames{QStringLiteral("cmdFromDate"), QStringLiteral("cmdToDate")};
    const QStringList buttonNamesSpoken{tr("Choose the From date"), tr("Choose the To date")};
    auto* grid = new QGridLayout(lastStudiedPart_);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        QLineEdit*& dateBox = dateRange_[size_t(i)];
        dateBox = named(new QLineEdit(lastStudiedPart_), QStringLiteral("txtDateRange_%1").arg(i));
        dateBox->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
        dateBox->setMaxLength(10);
        captions[size_t(i)]->setBuddy(dateBox);
        QPushButton*& button = dateButtons_[size_t(i)];
        button = named(new QPushButton(QStringLiteral("..."), lastStudiedPart_), buttonNames[i]);
        button->setMaximumWidth(40);
        button->setToolTip(tr("Choose a date"));
        button->setAccessibleName(buttonNamesSpoken[i]);
        grid->addWidget(captions[size_t(i)], i, 0);
        grid->addWidget(dateBox, i, 1);
        grid->addWidget(button, i, 2);
    }
    auto* column = new QVBoxLayout(box);
    column->addWidget(lastStudiedCheck_);
    column->addWidget(lastStudiedPart_);
    return box;
}

void WordSelectionDialog::buildButtons() {
    getResultsButton_ = named(new QPushButton(tr("Get Results"), this), QStringLiteral("cmdOK"));
    getResultsButton_->setDefault(true);
    getResultsButton_->setProperty("accent", true);
    cancelButton_ = named(new QPushButton(tr("Cancel"), this), QStringLiteral("cmdCancel"));
}

void WordSelectionDialog::layOut(QWidget* banner, QGroupBox* wordListChoice,
                                 const QList<QGroupBox*>& middle, const QList<QGroupBox*>& right) {
    // The last box of the middle column, the word lists, takes the height left.
    auto* middleColumn = new QVBoxLayout;
    for (QGroupBox* box : middle)
        middleColumn->addWidget(box, box == middle.last() ? 1 : 0);
    auto* rightColumn = new QVBoxLayout;
    for (QGroupBox* box : right)
        rightColumn->addWidget(box);
    rightColumn->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(wordListChoice, 1);
    columns->addLayout(middleColumn, 1);
    columns->addLayout(rightColumn, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(getResultsButton_);
    buttons->addWidget(cancelButton_);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(banner);
    outer->addLayout(columns, 1);
    outer->addLayout(buttons);
}

void WordSelectionDialog::connectCriteria() {
    connect(wordListChoice_, &QListWidget::currentRowChanged, this,
            &WordSelectionDialog::showWordListDescription);
    connect(allWordsCheck_, &QCheckBox::toggled, this, &WordSelectionDialog::allWordsToggled);
    const std::pair<QCheckBox*, QWidget*> parts[] = {
        {lettersCheck_, lettersPart_},         {wordListsCheck_, wordLists_},
        {studyCountCheck_, studyCountPart_},   {difficultyCheck_, difficultyPart_},
        {lastStudiedCheck_, lastStudiedPart_}, {specialListsCheck_, specialLists_}};
    for (const auto& [check, part] : parts) {
        part->hide();
        connect(check, &QCheckBox::toggled, this,
                [this, part = part](bool checked) { criterionToggled(checked, part); });
    }
    connect(studyCountStepper_, &QScrollBar::valueChanged, this,
            [this](int value) { studyCount_->setText(QString::number(value)); });
    for (int i = 0; i < 2; ++i)
        connect(dateButtons_[size_t(i)], &QPushButton::clicked, this,
                [this, i] { pickDate(dateRange_[size_t(i)]); });
    connect(getResultsButton_, &QPushButton::clicked, this, &WordSelectionDialog::getResults);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(&session_, &StudySession::selectionProgress, this, [this](int percent) {
        getResultsButton_->setText(tr("Selecting ... %1%").arg(percent));
    });
    connect(&session_, &StudySession::selectionFinished, this,
            &WordSelectionDialog::selectionFinished);
    connect(this, &QDialog::finished, &session_, &StudySession::cancelSelection);
}

void WordSelectionDialog::fillChoices() {
    wordListChoice_->addItems({IntelliSelect::MainWordList, IntelliSelect::SpecialWordList});
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        letters_->addItem(QString(QLatin1Char(letter)));
    for (int i = 1; i <= 53; ++i)
        wordLists_->addItem(QStringLiteral("WordList ") + QString::number(i));
    specialLists_->addItems(IntelliSelect::categories());
    specialListsPart_->hide();
    wordListChoice_->setCurrentRow(0);
}

void WordSelectionDialog::showWordListDescription() {
    const QListWidgetItem* item = wordListChoice_->currentItem();
    const QString text = item ? item->text() : QString();
    if (text == IntelliSelect::SpecialWordList) {
        wordListDescription_->setText(IntelliSelect::SpecialDescription);
        specialListsPart_->show();
    } else if (text == IntelliSelect::MainWordList) {
        wordListDescription_->setText(IntelliSelect::MainDescription);
        specialListsPart_->hide();
    }
}

void WordSelectionDialog::allWordsToggled(bool checked) {
    if (!checked)
        return;
    for (QCheckBox* box : {lettersCheck_, difficultyCheck_, studyCountCheck_, lastStudiedCheck_,
                           wordListsCheck_, specialListsCheck_})
        box->setChecked(false);
}

void WordSelectionDialog::criterionToggled(bool checked, QWidget* part) {
    if (checked)
        allWordsCheck_->setChecked(false);
    part->setVisible(checked);
}

void WordSelectionDialog::pickDate(QLineEdit* dateBox) {
    CalendarDialog calendar(dateBox, this);
    calendar.exec();
}

IntelliSelect::Criteria WordSelectionDialog::criteria() const {
    const auto selected = [](const QListWidget* list) {
        QList<int> rows;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected())
                rows << i;
        return rows;
    };
    IntelliSelect::Criteria c;
    if (const QListWidgetItem* item = wordListChoice_->currentItem())
        c.wordList = item->text();
    c.letters = lettersCheck_->isChecked();
    for (int row : selected(letters_))
        c.selectedLetters << letters_->item(row)->text();
    c.wordLists = wordListsCheck_->isChecked();
    c.selectedLists = selected(wordLists_);
    c.studyCount = studyCountCheck_->isChecked();
    c.comparison = comparison_->currentText();
    c.count = studyCount_->text();
    c.difficulty = difficultyCheck_->isChecked();
    c.easy = difficultyLevels_[0]->isChecked();
    c.difficult = difficultyLevels_[1]->isChecked();
    c.veryDifficult = difficultyLevels_[2]->isChecked();
    c.lastStudied = lastStudiedCheck_->isChecked();
    c.from = dateRange_[0]->text();
    c.to = dateRange_[1]->text();
    c.specialCategories = specialListsCheck_->isChecked();
    c.specialShown = !specialListsPart_->isHidden();
    for (int row : selected(specialLists_))
        c.selectedCategories << specialLists_->item(row)->text();
    return c;
}

void WordSelectionDialog::getResults() {
    const IntelliSelect::Result result = IntelliSelect::compose(criteria());
    if (!result.message.isEmpty()) {
        MessageBox::info(this, result.message);
        return;
    }
    session_.selectInSteps(result.statement);
}

void WordSelectionDialog::selectionFinished(bool applied) {
    getResultsButton_->setText(tr("Get Results"));
    if (!applied) {
        // Never report a count for rows that were not selected.
        MessageBox::info(this, tr("The words could not be selected. Please check the criteria "
                                  "and try again."));
        return;
    }
    MessageBox::info(this, IntelliSelect::bagMessage(session_.counts().selection));
    accept();
}
