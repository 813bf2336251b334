#pragma once

#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QDialog>

class QFrame;
class QLabel;
class QProgressBar;

// "Progress Report": how far the whole word list has been studied, group by group.
class frmReport : public QDialog {
    Q_OBJECT
public:
    explicit frmReport(QWidget* parent = nullptr);

    // Writes the counts, percentages and bars; a group whose count failed stays as it was.
    void fill(const std::array<std::optional<ProgressReport::Counts>, ProgressReport::GroupCount>&
                  counts);

    QLabel* Label18;
    QLabel* Picture1;
    QFrame* Frame1;
    QFrame* Frame2;
    QLabel *Label5, *Label14, *Label16, *lblAllTotal, *lblAllOne, *lblAllPerc;
    QProgressBar* PBarAll;
    QLabel *Label1, *Label2, *Label3, *lblEasyTotal, *lblEasyLess, *lblEasyPerc;
    QProgressBar* PBarEasyLess;
    QLabel *Label6, *Label7, *Label8, *lblDiffTotal, *lblDiffLess, *lblDiffPerc;
    QProgressBar* PBarDiffLess;
    QLabel *Label9, *Label10, *Label11, *lblVeryDiffTotal, *lblVeryDiffLess, *lblVeryDiffPerc;
    QProgressBar* PBarVeryDiffLess;
    QLabel* Label4;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label15;

public slots:
    void Label12_Click();
    void Label13_Click();
    void Label15_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAdvice(ProgressReport::Group group);
};
