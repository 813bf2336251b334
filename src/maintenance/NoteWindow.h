#pragma once

#include <QDialog>

class QLabel;

// The small note window: one text and a Close button, filled by whoever opens it. One at a
// time: a new one closes the one before.
class NoteWindow : public QDialog {
    Q_OBJECT
public:
    explicit NoteWindow(QWidget* parent = nullptr);
    ~NoteWindow() override;

    // The window if one is open.
    static NoteWindow* current();
    // Closes any open note window, as a fresh one is about to be shown.
    static void unload();

    void setText(const QString& text);

private:
    QLabel* text_;
};
