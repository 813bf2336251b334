// The guided tour: a page for each part of the program, stepped with Back and Next.
#include "TourWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestTour : public QObject {
    Q_OBJECT
private slots:
    void aPageForEachPart() {
        const QList<TourPage> pages = tourPages();
        QStringList titles;
        for (const TourPage& p : pages) {
            QVERIFY(!p.title.isEmpty());
            QVERIFY2(p.body.size() > 200, qPrintable(p.title));
            titles << p.title;
        }
        // The main window, the selections, the practice and review windows, in that order.
        const QStringList parts{"main window", "Words Selection", "Refine Selection", "Quiz",
                                "Game",        "Ticker",          "List View",        "Report",
                                "Printing"};
        int from = 0;
        for (const QString& part : parts) {
            const auto it =
                std::find_if(titles.begin() + from, titles.end(), [&](const QString& t) {
                    return t.contains(part, Qt::CaseInsensitive);
                });
            QVERIFY2(it != titles.end(), qPrintable(part));
            from = int(it - titles.begin()) + 1;
        }
    }

    void backAndNext() {
        TourWindow tour;
        tour.show();
        QCOMPARE(tour.windowTitle(), QStringLiteral("Verbaloom Tour"));
        const int n = tour.pageCount();
        QCOMPARE(tour.lblPage->text(), QStringLiteral("Page 1 of %1").arg(n));
        QVERIFY(!tour.cmdBack->isEnabled());
        QCOMPARE(tour.lblTitle->text(), QStringLiteral("Welcome to Verbaloom"));
        for (int i = 1; i < n; ++i)
            QTest::mouseClick(tour.cmdNext, Qt::LeftButton);
        QCOMPARE(tour.page(), n - 1);
        QVERIFY(!tour.cmdNext->isEnabled());
        QCOMPARE(tour.lblPage->text(), QStringLiteral("Page %1 of %1").arg(n));
        QTest::mouseClick(tour.cmdNext, Qt::LeftButton); // disabled: stays on the last page
        QCOMPARE(tour.page(), n - 1);
        QTest::mouseClick(tour.cmdBack, Qt::LeftButton);
        QCOMPARE(tour.page(), n - 2);
        QVERIFY(tour.cmdNext->isEnabled());
        QCOMPARE(tour.lblTitle->text(), tourPages().at(n - 2).title);
    }

    void theKeyboardSteps() {
        TourWindow tour;
        tour.show();
        QTest::keyClick(&tour, Qt::Key_Right);
        QTest::keyClick(&tour, Qt::Key_PageDown);
        QCOMPARE(tour.page(), 2);
        QTest::keyClick(&tour, Qt::Key_Left);
        QCOMPARE(tour.page(), 1);
        QTest::keyClick(&tour, Qt::Key_Left);
        QTest::keyClick(&tour, Qt::Key_Left);
        QCOMPARE(tour.page(), 0);
        QTest::keyClick(&tour, Qt::Key_Escape);
        QVERIFY(!tour.isVisible());
    }
};

QTEST_MAIN(TestTour)
#include "tst_tour.moc"
