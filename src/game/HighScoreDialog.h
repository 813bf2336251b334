#pragma once

#include <optional>
#include <QDialog>

class QLineEdit;

// Asks the new high scorer's name.
class HighScoreDialog : public QDialog {
    Q_OBJECT
public:
    explicit HighScoreDialog(QWidget* parent = nullptr);

    // The name given with "OK"; none when the dialog was closed otherwise.
    static std::optional<QString> askName(QWidget* parent);

private:
    QLineEdit* name_;
};
