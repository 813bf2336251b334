#include "StatisticsPanel.h"

#include "study/StudyCard.h"
#include "study/StudyTimer.h"
#include "study/StudyTracking.h"
#include "ui/Widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using Widgets::label;
using Widgets::named;

StatisticsPanel::StatisticsPanel(StudyTimer& timer, QWidget* parent)
    : QGroupBox(tr("Statistics"), parent), timer_(timer) {
    setObjectName(QStringLiteral("frameStat"));
    auto* readCaption = label(tr("Read this word:"), QStringLiteral("Label8"), this);
    readCount_ = Widgets::valueLabel(tr("Read this word"), QStringLiteral("lblRdCnt"), this);
    auto* readUnit = label(tr("time(s)"), QStringLiteral("Label9"), this);
    auto* sessionCaption = label(tr("Studied this Session : "), QStringLiteral("Label4"), this);
    studiedThisSession_ =
        Widgets::valueLabel(tr("Studied this Session"), QStringLiteral("lblRdSess"), this);
    studiedThisSession_->setText(QStringLiteral("0"));
    auto* lastReadCaption = label(tr("Last Read Date"), QStringLiteral("Label11"), this);
    lastRead_ = Widgets::valueLabel(tr("Last Read Date"), QStringLiteral("Label12"), this);
    auto* listCaption = label(tr("WordList No.: "), QStringLiteral("Label17"), this);
    wordList_ = Widgets::valueLabel(tr("WordList No."), QStringLiteral("Label18"), this);
    timerState_ = label(StudyTracking::RunningLabel, QStringLiteral("Label16"), this);
    timerState_->setToolTip(tr("Click to Pause the Timer"));
    timerState_->setCursor(Qt::PointingHandCursor);
    timerState_->installEventFilter(this);
    minutes_ = Widgets::valueLabel(tr("Minutes"), QStringLiteral("Label15_1"), this);
    minutes_->setText(QStringLiteral("0"));
    auto* minutesUnit = label(tr("mins"), QStringLiteral("Label15_2"), this);
    pauseButton_ = named(new QPushButton(StudyTracking::PauseCaption, this),
                         QStringLiteral("Command8"));
    pauseButton_->setMinimumWidth(pauseButton_->sizeHint().width());
    for (QLabel* value : {readCount_, studiedThisSession_, lastRead_, wordList_, minutes_})
        value->setProperty("value", true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(readCaption, 0, 0);
    layout->addWidget(readCount_, 0, 1);
    layout->addWidget(readUnit, 0, 2);
    layout->addWidget(sessionCaption, 1, 0);
    layout->addWidget(studiedThisSession_, 1, 1);
    layout->addWidget(lastReadCaption, 2, 0);
    layout->addWidget(lastRead_, 2, 1, 1, 2);
    layout->addWidget(listCaption, 3, 0);
    layout->addWidget(wordList_, 3, 1);
    layout->addWidget(timerState_, 4, 0);
    layout->addWidget(minutes_, 4, 1);
    layout->addWidget(minutesUnit, 4, 2);
    layout->addWidget(pauseButton_, 5, 0, 1, 3);
    layout->setColumnStretch(2, 1);

    connect(pauseButton_, &QPushButton::clicked, &timer_, &StudyTimer::toggle);
    connect(&timer_, &StudyTimer::changed, this, &StatisticsPanel::showTimer);
    showTimer();
}

void StatisticsPanel::showWord(const Word& word) {
    readCount_->setText(word.isValid() ? QString::number(word.readCount) : QString());
    lastRead_->setText(StudyCard::formatLastRead(word.lastRead));
    wordList_->setText(word.list ? QString::number(*word.list) : QString());
}

void StatisticsPanel::showStudiedThisSession(int count) {
    studiedThisSession_->setText(QString::number(count));
}

void StatisticsPanel::showTimer() {
    const bool running = timer_.isRunning();
    timerState_->setText(running ? StudyTracking::RunningLabel : StudyTracking::PausedLabel);
    pauseButton_->setText(running ? StudyTracking::PauseCaption : StudyTracking::ContinueCaption);
    minutes_->setText(QString::number(timer_.minutes()));
}

bool StatisticsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == timerState_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        timer_.toggle();
    return QGroupBox::eventFilter(watched, event);
}
