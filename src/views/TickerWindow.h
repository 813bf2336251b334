#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QWidget>

class Speech;
class StudySession;

// STUB: "One Spot - Ticker": the current word in large type, stepping by itself.
class TickerWindow : public QWidget {
    Q_OBJECT
public:
    TickerWindow(StudySession& session, Speech& speech, QWidget* parent);
};
