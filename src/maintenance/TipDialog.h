#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QDialog>

class Speech;
class StudySession;

// STUB: The Tip of the Day.
class TipDialog : public QDialog {
    Q_OBJECT
public:
    explicit TipDialog(QWidget* parent = nullptr);
};
