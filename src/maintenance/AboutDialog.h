#pragma once

#include <QDialog>

// About Verbaloom: the picture, the version, the notices, and the way to the licences.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

private:
    void showLicences();
};
