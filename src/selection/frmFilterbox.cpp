#include "frmFilterbox.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "selection/RefineFilters.h"
#include "study/Form1.h"
#include "ui/Look.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
} // namespace

frmFilterbox::frmFilterbox(Form1* main, QWidget* owner)
    : QDialog(owner ? owner : main), main_(main) {
    setObjectName(QStringLiteral("frmFilterbox"));
    setWindowTitle(tr(" Refine Selection"));

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setStyleSheet(
        QStringLiteral("QFrame#Picture1 { background: #1f6f8b; border-radius: 8px; }"));
    Label14 = makeLabel(tr("Refine Selection"), QStringLiteral("Label14"), Picture1);
    Label14->setFont(Look::arial(15, true));
    Label14->setStyleSheet(QStringLiteral("color: white;"));
    (new QHBoxLayout(Picture1))->addWidget(Label14);
    Label7 =
        makeLabel(tr("Further Refine you Word Selection by selecting ANY ONE of the 14 filters"),
                  QStringLiteral("Label7"), this);
    Label7->setWordWrap(true);
    lblMsg = makeLabel(tr("You have 000 words in your Current Selection"), QStringLiteral("lblMsg"),
                       this);
    lblSet = makeLabel(tr("000 after Refining your Selection"), QStringLiteral("lblSet"), this);
    for (QLabel* l : {lblMsg, lblSet})
        l->setFont(Look::arial(11, true));
    lblSet->setStyleSheet(QStringLiteral("color: #1f6f8b;"));

    const QStringList captions{tr("Difficult Words"),
                               tr("Easy Words"),
                               tr("Double Difficult Words"),
                               tr("DON'T Refine My Current Selection"),
                               tr("Words you HAVEN'T read this session"),
                               tr("Words you've read this session"),
                               tr("High Frequency Words"),
                               tr("Difficult and Very Difficult Words")};
    for (int i = 0; i < 8; ++i) {
        Option1[size_t(i)] = new QRadioButton(captions[i], this);
        Option1[size_t(i)]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        connect(Option1[size_t(i)], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        Text1[size_t(i)] = new QLineEdit(this);
        Text1[size_t(i)]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        connect(Text1[size_t(i)], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
    }
    Label1[1] = makeLabel(tr("Name Starting "), QStringLiteral("Label1_1"), this);
    Label1[0] = makeLabel(tr("Name Containg "), QStringLiteral("Label1_0"), this);
    Label3 = makeLabel(tr("Meaning Containing"), QStringLiteral("Label3"), this);
    Label2 = makeLabel(tr("Usage Containing"), QStringLiteral("Label2"), this);
    Label5[0] = makeLabel(tr("or"), QStringLiteral("Label5_0"), this);
    Label5[1] = makeLabel(tr("or"), QStringLiteral("Label5_1"), this);
    Label8 = makeLabel(tr("Read Count"), QStringLiteral("Label8"), this);
    Label21 = makeLabel(tr("Word List No:"), QStringLiteral("Label21"), this);
    Label1[1]->setBuddy(Text1[3]);
    Label1[0]->setBuddy(Text1[0]);
    Label3->setBuddy(Text1[1]);
    Label2->setBuddy(Text1[2]);
    Label8->setBuddy(Text1[6]);
    Label21->setBuddy(Text1[7]);
    for (int i = 0; i < 14; ++i) {
        Label4[size_t(i)] =
            makeLabel(QStringLiteral("%1)").arg(i + 1), QStringLiteral("Label4_%1").arg(i), this);
        Label4[size_t(i)]->setStyleSheet(QStringLiteral("color: #1f6f8b; font-weight: bold;"));
    }
    for (int i : {6, 7})
        Text1[size_t(i)]->setMaximumWidth(90);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    // The filters in their on-screen order: options 1) to 8), then the text boxes.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    const int optionOrder[] = {3, 1, 0, 2, 7, 6, 5, 4};
    int row = 0;
    for (int n = 0; n < 8; ++n, ++row) {
        grid->addWidget(Label4[size_t(n)], row, 0);
        grid->addWidget(Option1[size_t(optionOrder[n])], row, 1, 1, 4);
    }
    auto addText = [&](int number, QLabel* caption, QLineEdit* first, QLabel* orLabel,
                       QLineEdit* second) {
        grid->addWidget(Label4[size_t(number)], row, 0);
        grid->addWidget(caption, row, 1);
        if (second) {
            grid->addWidget(first, row, 2);
            grid->addWidget(orLabel, row, 3);
            grid->addWidget(second, row, 4);
        } else {
            grid->addWidget(first, row, 2, 1, first->maximumWidth() < 1000 ? 1 : 3);
        }
        ++row;
    };
    addText(8, Label1[1], Text1[3], nullptr, nullptr);
    addText(9, Label1[0], Text1[0], nullptr, nullptr);
    addText(10, Label3, Text1[1], Label5[0], Text1[4]);
    addText(11, Label2, Text1[2], Label5[1], Text1[5]);
    addText(12, Label8, Text1[6], nullptr, nullptr);
    addText(13, Label21, Text1[7], nullptr, nullptr);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Picture1);
    layout->addWidget(Label7);
    layout->addWidget(lblMsg);
    layout->addWidget(lblSet);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(620, 640);

    Form_Load();
}

int frmFilterbox::refinedCount() const {
    const Recordset* rs = main_->recordset();
    return rs ? rs->recordCount() : 0;
}

bool frmFilterbox::applyFilter(const QString& expression) {
    Recordset* rs = main_->recordset();
    return rs && tryStep([&] { rs->setFilter(expression); });
}

void frmFilterbox::Form_Load() {
    applyFilter(RefineFilters::Everything);
    lblMsg->setText(RefineFilters::currentSelectionText(refinedCount()));
    // The stored refinement is one the database accepted; should it fail now all the
    // same, the window still opens, over every row.
    if (!applyFilter(main_->selection().refineFilter))
        applyFilter(QString());
    lblSet->setText(RefineFilters::openingRefinedText(refinedCount()));
}

void frmFilterbox::Option1_Click(int index) {
    const QString expression = RefineFilters::optionExpression(index);
    if (applyFilter(expression))
        main_->selection().refineFilter = expression;
    main_->recfunc();
    lblSet->setText(RefineFilters::optionRefinedText(refinedCount()));
}

void frmFilterbox::Text1_Change(int index) {
    std::array<QString, 8> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = Text1[i]->text();
    // Only an expression the database took becomes the refinement; otherwise the previous
    // one stays in force, on the rows and in refineFilter alike, and the count says why.
    const RefineFilters::TextRefinement refined =
        RefineFilters::refineByText(main_->recordset(), index, texts);
    if (refined.taken)
        main_->selection().refineFilter = refined.expression;
    main_->recfunc();
    lblSet->setText(refined.refusal.isEmpty() ? RefineFilters::textRefinedText(refinedCount())
                                              : refined.refusal);
}
