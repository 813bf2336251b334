#pragma once

#include "TourPages.h"

#include <QMainWindow>

class QLabel;
class QPushButton;

// The guided tour: one page at a time, with Back and Next.
class TourWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TourWindow(QWidget* parent = nullptr);

    int page() const { return page_; } // 0-based
    int pageCount() const { return int(pages_.size()); }
    void showPage(int index);

    QLabel* Picture1;
    QLabel* lblTitle;
    QLabel* lblBody;
    QLabel* lblPage;
    QPushButton* cmdBack;
    QPushButton* cmdNext;
    QPushButton* cmdClose;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<TourPage> pages_;
    int page_ = 0;
};
