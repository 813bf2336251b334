#include "RefineSelectionDialog.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "selection/RefineFilters.h"
#include "study/StudySession.h"
#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace {

using Widgets::label;
using Widgets::named;

// The options in their on-screen order, 1) to 8).
constexpr std::array<int, 8> OptionOrder{3, 1, 0, 2, 7, 6, 5, 4};
// The text boxes in their on-screen order, 9) to 14); 11) and 12) have a second box each.
constexpr std::array<int, 8> TextOrder{3, 0, 1, 4, 2, 5, 6, 7};

} // namespace

RefineSelectionDialog::RefineSelectionDialog(StudySession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("frmFilterbox"));
    setWindowTitle(tr(" Refine Selection"));
    buildHeader();
    buildFilters();
    layOut(layOutFilters());
    resize(620, 640);
    connect(&session_, &StudySession::refinementProgress, this, [this](int percent) {
        if (pendingCountText_)
            refinedCount_->setText(RefineFilters::progressText(percent));
    });
    connect(&session_, &StudySession::refinementFinished, this,
            &RefineSelectionDialog::refinementFinished);
    showOpeningCounts();
}

void RefineSelectionDialog::buildHeader() {
    banner_ = named(new QFrame(this), QStringLiteral("Picture1"));
    banner_->setProperty("surface", QStringLiteral("banner"));
    auto* heading = label(tr("Refine Selection"), QStringLiteral("Label14"), banner_);
    heading->setFont(Look::arial(15, true));
    (new QHBoxLayout(banner_))->addWidget(heading);
    instructions_ =
        label(tr("Further Refine you Word Selection by selecting ANY ONE of the 14 filters"),
              QStringLiteral("Label7"), this);
    instructions_->setWordWrap(true);
    selectionCount_ =
        label(tr("You have 000 words in your Current Selection"), QStringLiteral("lblMsg"), this);
    refinedCount_ = label(tr("000 after Refining your Selection"), QStringLiteral("lblSet"), this);
    for (QLabel* count : {selectionCount_, refinedCount_})
        count->setFont(Look::arial(11, true));
    refinedCount_->setProperty("tone", QStringLiteral("accent"));
}

void RefineSelectionDialog::buildFilters() {
    const QStringList captions{tr("Difficult Words"),
                               tr("Easy Words"),
                               tr("Double Difficult Words"),
                               tr("DON'T Refine My Current Selection"),
                               tr("Words you HAVEN'T read this session"),
                               tr("Words you've read this session"),
                               tr("High Frequency Words"),
                               tr("Difficult and Very Difficult Words")};
    for (int i : OptionOrder) {
        options_[size_t(i)] =
            named(new QRadioButton(captions[i], this), QStringLiteral("Option1_%1").arg(i));
        connect(options_[size_t(i)], &QRadioButton::clicked, this, [this, i] { optionClicked(i); });
    }
    for (int i : TextOrder) {
        texts_[size_t(i)] = named(new QLineEdit(this), QStringLiteral("Text1_%1").arg(i));
        connect(texts_[size_t(i)], &QLineEdit::textChanged, this, [this, i] { textChanged(i); });
    }
    nameCaptions_[1] = label(tr("Name Starting "), QStringLiteral("Label1_1"), this);
    nameCaptions_[0] = label(tr("Name Containg "), QStringLiteral("Label1_0"), this);
    meaningCaption_ = label(tr("Meaning Containing"), QStringLiteral("Label3"), this);
    usageCaption_ = label(tr("Usage Containing"), QStringLiteral("Label2"), this);
    orLabels_[0] = label(tr("or"), QStringLiteral("Label5_0"), this);
    orLabels_[1] = label(tr("or"), QStringLiteral("Label5_1"), this);
    readCountCaption_ = label(tr("Read Count"), QStringLiteral("Label8"), this);
    wordListCaption_ = label(tr("Word List No:"), QStringLiteral("Label21"), this);
    nameCaptions_[1]->setBuddy(texts_[3]);
    nameCaptions_[0]->setBuddy(texts_[0]);
    meaningCaption_->setBuddy(texts_[1]);
    usageCaption_->setBuddy(texts_[2]);
    readCountCaption_->setBuddy(texts_[6]);
    wordListCaption_->setBuddy(texts_[7]);
    texts_[4]->setAccessibleName(tr("Or meaning containing"));
    texts_[5]->setAccessibleName(tr("Or usage containing"));
    for (int i = 0; i < 14; ++i) {
        numbers_[size_t(i)] =
            label(QStringLiteral("%1)").arg(i + 1), QStringLiteral("Label4_%1").arg(i), this);
        numbers_[size_t(i)]->setProperty("tone", QStringLiteral("accent"));
        Look::setTextSize(numbers_[size_t(i)], numbers_[size_t(i)]->font().pointSizeF(), true);
    }
    for (int i : {6, 7})
        texts_[size_t(i)]->setMaximumWidth(90);
    closeButton_ = named(new QPushButton(tr("Close"), this), QStringLiteral("cmdClose"));
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
}

QGridLayout* RefineSelectionDialog::layOutFilters() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int row = 0;
    for (int i : OptionOrder) {
        grid->addWidget(numbers_[size_t(row)], row, 0);
        grid->addWidget(options_[size_t(i)], row, 1, 1, 4);
        ++row;
    }
    const auto addText = [&](QLabel* caption, QLineEdit* first, QLabel* orLabel,
                             QLineEdit* second) {
        grid->addWidget(numbers_[size_t(row)], row, 0);
        grid->addWidget(caption, row, 1);
        if (second) {
            grid->addWidget(first, row, 2);
            grid->addWidget(orLabel, row, 3);
            grid->addWidget(second, row, 4);
        } else {
            // The number boxes stay narrow; the others reach across.
            grid->addWidget(first, row, 2, 1, first->maximumWidth() < 1000 ? 1 : 3);
        }
        ++row;
    };
    addText(nameCaptions_[1], texts_[3], nullptr, nullptr);
    addText(nameCaptions_[0], texts_[0], nullptr, nullptr);
    addText(meaningCaption_, texts_[1], orLabels_[0], texts_[4]);
    addText(usageCaption_, texts_[2], orLabels_[1], texts_[5]);
    addText(readCountCaption_, texts_[6], nullptr, nullptr);
    addText(wordListCaption_, texts_[7], nullptr, nullptr);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
    return grid;
}

void RefineSelectionDialog::layOut(QGridLayout* filters) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner_);
    layout->addWidget(instructions_);
    layout->addWidget(selectionCount_);
    layout->addWidget(refinedCount_);
    filters->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Widgets::scrolling(filters, this), 1);
    layout->addLayout(buttons);
}

int RefineSelectionDialog::refinedCount() const {
    return session_.counts().refined.value_or(0);
}

void RefineSelectionDialog::showOpeningCounts() {
    // Every row passes "bookmark = 0 or bookmark = 1" (the column holds nothing else), so the
    // selection's count is that of its rows unfiltered, which costs nothing at any size.
    tryStep([&] { session_.filterRows(QString()); });
    selectionCount_->setText(RefineFilters::currentSelectionText(refinedCount()));
    refine(session_.refinement(), &RefineFilters::openingRefinedText);
}

void RefineSelectionDialog::optionClicked(int index) {
    refine(RefineFilters::optionExpression(index), &RefineFilters::optionRefinedText);
}

void RefineSelectionDialog::textChanged(int index) {
    std::array<QString, 8> typed;
    for (size_t i = 0; i < typed.size(); ++i)
        typed[i] = texts_[i]->text();
    const QString expression = RefineFilters::textExpression(index, typed);
    // Only an expression the database took becomes the refinement; otherwise the one before
    // stays in force, and the window says why rather than show that one's count.
    if (expression.isEmpty()) {
        pendingCountText_ = nullptr;
        if (Recordset* rows = session_.refinedRows())
            rows->cancelFilter(); // work a keystroke before began
        refinedCount_->setText(RefineFilters::noExpressionText(index));
        return;
    }
    refine(expression, &RefineFilters::textRefinedText);
}

void RefineSelectionDialog::refine(const QString& expression, QString (*countText)(int)) {
    pendingCountText_ = countText;
    session_.refineInSteps(expression);
    if (pendingCountText_ && session_.isRefining())
        refinedCount_->setText(RefineFilters::progressText(0));
}

void RefineSelectionDialog::refinementFinished() {
    if (!pendingCountText_)
        return;
    const auto countText = std::exchange(pendingCountText_, nullptr);
    const auto& error = session_.refinementError();
    // The refinement in force is one the database took; should it fail now all the same, the
    // window still opens, over every row. An option's refusal leaves the count of the
    // refinement in force, as it always did.
    if (error && countText == &RefineFilters::openingRefinedText)
        tryStep([&] { session_.filterRows(QString()); });
    if (error && countText == &RefineFilters::textRefinedText)
        refinedCount_->setText(RefineFilters::refusalText(*error));
    else
        refinedCount_->setText(countText(refinedCount()));
}
