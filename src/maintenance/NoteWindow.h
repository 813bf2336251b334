#pragma once

#include "data/Word.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QDialog>

class Speech;
class StudySession;

// STUB: The small note window.
class NoteWindow : public QDialog {
    Q_OBJECT
public:
    explicit NoteWindow(QWidget* parent = nullptr);
    static NoteWindow* current();
    void setText(const QString& text);
};
