#include "frmNavigate.h"

#include "data/DataSource.h"
#include "data/DbError.h"
#include "data/Speech.h"
#include "study/Form1.h"
#include "ui/Look.h"
#include "ui/Widgets.h"
#include "views/ListView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

using Widgets::boxState;
using Widgets::named;
} // namespace

frmNavigate::frmNavigate(Form1* main, QWidget* owner) : QWidget(owner, Qt::Tool), main_(main) {
    setObjectName(QStringLiteral("frmNavigate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Navigate - Verbaloom!"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("frmNavigate { background: #f3f0e8; }"));

    Label1 = named(new QLabel(tr("Current Difficutly Level:"), this), QStringLiteral("Label1"));
    lblDiffLevel = named(new QLabel(this), QStringLiteral("lblDiffLevel"));
    lblDiffLevel->setFont(Look::arial(11, true));
    lblDiffLevel->setStyleSheet(
        QStringLiteral("color: #c0392b; background: transparent; border: none;"));
    Command2 = named(new QPushButton(tr("<="), this), QStringLiteral("Command2"));
    Command1 = named(new QPushButton(tr("=>"), this), QStringLiteral("Command1"));
    Command2->setToolTip(tr("Previous Word"));
    Command1->setToolTip(tr("Next Word"));
    for (QPushButton* arrow : {Command2, Command1}) {
        arrow->setFont(Look::arial(14, true));
        arrow->setMinimumWidth(70);
    }
    Command3 = named(new QPushButton(tr("&Mark as Difficult"), this), QStringLiteral("Command3"));
    Command4 =
        named(new QPushButton(tr("Mark as  &Double Difficult"), this), QStringLiteral("Command4"));
    Command5 = named(new QPushButton(tr("Mark as &Easy"), this), QStringLiteral("Command5"));
    studiedit =
        named(new QPushButton(tr("Mark it. I've Studied."), this), QStringLiteral("studiedit"));
    studiedit->setToolTip(tr("Studied the word? Then Click it to keep track."));
    Command12 = named(new QPushButton(this), QStringLiteral("Command12"));
    Command12->setIcon(Look::icon(Look::Icon::Speaker));
    Command12->setIconSize(QSize(20, 20));
    Command12->setAccessibleName(tr("Pronounce"));
    Command12->setToolTip(tr("Pronounce"));

    auto* level = new QHBoxLayout;
    level->addWidget(Label1);
    level->addWidget(lblDiffLevel, 1);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(Command2);
    arrows->addWidget(Command1);
    arrows->addStretch();
    arrows->addWidget(Command12);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(level);
    layout->addLayout(arrows);
    layout->addWidget(Command3);
    layout->addWidget(Command4);
    layout->addWidget(Command5);
    layout->addWidget(studiedit);

    connect(Command1, &QPushButton::clicked, this, &frmNavigate::command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmNavigate::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmNavigate::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmNavigate::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmNavigate::Command5_Click);
    connect(studiedit, &QPushButton::clicked, this, &frmNavigate::studiedit_Click);
    connect(Command12, &QPushButton::clicked, this, &frmNavigate::Command12_Click);
    // The level stays true to the card when the word changes from elsewhere (the grid).
    connect(main_->Adodc1, &DataSource::currentChanged, this, &frmNavigate::refreshLevel);
    auto arrowKey = [this](Qt::Key key, void (frmNavigate::*slot)()) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, slot);
    };
    arrowKey(Qt::Key_Left, &frmNavigate::Command2_Click);
    arrowKey(Qt::Key_Right, &frmNavigate::command1_Click);

    refreshLevel();
}

void frmNavigate::refreshLevel() {
    lblDiffLevel->setText(
        ListView::difficultyLevel(boxState(main_->chkDiff[0]), boxState(main_->chkDiff[1])));
}

void frmNavigate::command1_Click() {
    main_->Command10_Click(1);
    refreshLevel();
}

void frmNavigate::Command2_Click() {
    main_->Command10_Click(0);
    refreshLevel();
}

// Ticking the main window's boxes runs their own click handling, which stores the marks.
void frmNavigate::Command3_Click() {
    main_->chkDiff[0]->setChecked(true);
    refreshLevel();
}

void frmNavigate::Command4_Click() {
    main_->chkDiff[1]->setChecked(true);
    refreshLevel();
}

void frmNavigate::Command5_Click() {
    main_->chkDiff[0]->setChecked(false);
    refreshLevel();
}

void frmNavigate::studiedit_Click() {
    main_->studiedit_Click();
}

void frmNavigate::Command12_Click() {
    tryStep([&] { main_->DirectSS1->speak(main_->Text1->text()); });
}
