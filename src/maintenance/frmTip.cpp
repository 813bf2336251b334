#include "frmTip.h"

#include "app/basRegistry.h"
#include "app/ProgramFolder.h"
#include "app/Random.h"
#include "maintenance/TipsOfTheDay.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

using Widgets::named;
} // namespace

frmTip::frmTip(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(tr("Tip of the Day"));
    setModal(true);

    Picture1 = named(new QLabel(this), QStringLiteral("Picture1"));
    Picture1->setPixmap(Look::appPicture(40));
    Label14 = named(new QLabel(tr("Verbaloom Tips"), this), QStringLiteral("Label14"));
    Label14->setFont(Look::arial(16, true));
    Label14->setStyleSheet(QStringLiteral("color: #1f6f8b;"));

    Shape1 = named(new QFrame(this), QStringLiteral("Shape1"));
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { background: #ffffff; border: 1px solid "
                                         "#d8d2c4; border-radius: 10px; }"));
    Picture2 = named(new QLabel(Shape1), QStringLiteral("Picture2"));
    Picture2->setPixmap(Look::icon(Look::Icon::Hint).pixmap(32, 32));
    Picture2->setAlignment(Qt::AlignTop);
    // Tips are plain text: a "<" in a tip is shown, never taken as markup.
    lblTipQues = named(new QLabel(Shape1), QStringLiteral("lblTipQues"));
    lblTipQues->setFont(Look::arial(13, true));
    lblTipQues->setTextFormat(Qt::PlainText);
    lblTipQues->setWordWrap(true);
    lblTipQues->setStyleSheet(QStringLiteral("color: #1b3a4b;"));
    Line1 = named(new QFrame(Shape1), QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setStyleSheet(QStringLiteral("color: #e4dfd2;"));
    lblTipText = new QLabel;
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setFont(Look::arial(11.5));
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTipText->setStyleSheet(QStringLiteral("color: #22313a; background: transparent;"));
    // A long answer scrolls instead of stretching the window off the screen.
    auto* answer = new QScrollArea(Shape1);
    answer->setObjectName(QStringLiteral("answerArea"));
    answer->setWidget(lblTipText);
    answer->setWidgetResizable(true);
    answer->setFrameShape(QFrame::NoFrame);
    answer->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget "
                                         "{ background: transparent; border: none; }"));

    chkLoadTipsAtStartup = named(new QCheckBox(tr("&Show this Guide at Startup"), this),
                                 QStringLiteral("chkLoadTipsAtStartup"));
    cmdNextTip = named(new QPushButton(tr("&Next"), this), QStringLiteral("cmdNextTip"));
    cmdOK = named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"));
    cmdNextTip->setAutoDefault(false);
    cmdOK->setDefault(true); // Enter; Esc closes the dialog as well
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);

    auto* header = new QHBoxLayout;
    header->addWidget(Picture1);
    header->addSpacing(6);
    header->addWidget(Label14, 1);
    auto* card = new QGridLayout(Shape1);
    card->setContentsMargins(16, 14, 16, 12);
    card->setHorizontalSpacing(12);
    card->addWidget(Picture2, 0, 0, 3, 1);
    card->addWidget(lblTipQues, 0, 1);
    card->addWidget(Line1, 1, 1);
    card->addWidget(answer, 2, 1);
    card->setRowStretch(2, 1);
    card->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkLoadTipsAtStartup);
    buttons->addStretch();
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(header);
    layout->addWidget(Shape1, 1);
    layout->addLayout(buttons);
    resize(580, 340);
    // At start-up the main window is not shown yet: the tip stands in the screen's middle.
    if (!parent || !parent->isVisible())
        if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());

    Form_Load();
    // Connected after the box is ticked, so that only the learner's click is stored.
    connect(chkLoadTipsAtStartup, &QCheckBox::toggled, this, &frmTip::chkLoadTipsAtStartup_Click);
    cmdOK->setFocus();
}

void frmTip::Form_Load() {
    chkLoadTipsAtStartup->setChecked(true);
    if (!LoadTips(ProgramFolder::file(TipsOfTheDay::FileName))) {
        lblTipQues->clear();
        lblTipQues->hide();
        Line1->hide();
        lblTipText->setText(TipsOfTheDay::missingFileText());
    }
}

bool frmTip::LoadTips(const QString& sFile) {
    const auto lines = TipsOfTheDay::read(sFile);
    if (!lines)
        return false;
    Tips = *lines;
    cmdNextTip_Click();
    return true;
}

void frmTip::cmdNextTip_Click() {
    if (Tips.isEmpty())
        return;
    CurrentTip = TipsOfTheDay::pick(Random::global().uniform(), int(Tips.size()));
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (Tips.isEmpty() || CurrentTip < 1 || CurrentTip > Tips.size())
        return;
    const TipsOfTheDay::Tip tip = TipsOfTheDay::split(Tips.at(CurrentTip - 1));
    lblTipQues->setText(tip.question);
    lblTipQues->setVisible(!tip.question.isEmpty());
    Line1->setVisible(!tip.question.isEmpty());
    lblTipText->setText(tip.answer);
}

void frmTip::chkLoadTipsAtStartup_Click() {
    const QString problem = AppSettings::saveShowTipsAtStartup(chkLoadTipsAtStartup->isChecked());
    if (!problem.isEmpty())
        MessageBox::info(this, problem);
}

void frmTip::cmdOK_Click() {
    close();
}
