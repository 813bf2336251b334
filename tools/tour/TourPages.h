#pragma once

#include "ui/Look.h"

#include <QList>
#include <QString>

// The pages of the guided tour, one for each part of Verbaloom a new learner meets.
struct TourPage {
    QString title;
    QString body; // simple rich text of our own
    Look::Icon icon;
};

QList<TourPage> tourPages();
