#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The small note window: one text and a Close button, filled by whoever opens it.
class frmMisc : public QDialog {
    Q_OBJECT
public:
    explicit frmMisc(QWidget* parent = nullptr);
    ~frmMisc() override;

    // The window if one is open.
    static frmMisc* current();
    // Closes any open note window, as a fresh one is about to be shown.
    static void unload();

    void setText(const QString& text);

    QLabel* Label1;
    QPushButton* cmdClose;
    QLabel* Picture1;
};
