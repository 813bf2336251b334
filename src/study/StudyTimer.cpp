#include "StudyTimer.h"

StudyTimer::StudyTimer(QObject* parent) : QObject(parent) {
    clock_.setInterval(60000);
    clock_.setObjectName(QStringLiteral("Timer1"));
    connect(&clock_, &QTimer::timeout, this, [this] {
        ++minutes_;
        emit changed();
    });
}

void StudyTimer::resume() {
    if (clock_.isActive())
        return;
    clock_.start();
    emit changed();
}

void StudyTimer::pause() {
    if (!clock_.isActive())
        return;
    clock_.stop();
    emit changed();
}
