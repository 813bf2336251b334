// The list view and the navigate window: the grid bound to the main window's selection in both
// directions, its columns, the find box, the navigate window's steps, marks and level.
#include "data/DataSource.h"
#include "data/Recordset.h"
#include "selection/frmFilterbox.h"
#include "support/MainWindowSession.h"
#include "views/frmList.h"
#include "views/frmNavigate.h"
#include "views/ListView.h"
#include "views/WordGridModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>

namespace {
frmList* openList(MainWindowSession& s) {
    s.form->Toolbar1->findChild<QAction*>(QStringLiteral("Listy"))->trigger();
    return s.form->listWindow();
}

QString cell(frmList* l, int row, int column) {
    return l->model()->index(row, column).data().toString();
}

int currentRow(frmList* l) {
    const QModelIndex i = l->DataGrid1->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void clickRow(frmList* l, int row) {
    const QModelIndex at = l->model()->index(row, WordGridModel::Word);
    l->DataGrid1->scrollTo(at);
    QTest::mouseClick(l->DataGrid1->viewport(), Qt::LeftButton, {},
                      l->DataGrid1->visualRect(at).center());
}
} // namespace

class TestListView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void openingGivesTheHintThenTheNavigateWindow() {
        MainWindowSession s;
        frmList* l = openList(s);
        QVERIFY(l && l->isVisible());
        QCOMPARE(s.messages.texts(), QStringList{ListView::openingMessage()});
        QCOMPARE(s.messages.requests.first().icon, QMessageBox::Information);
        QCOMPARE(l->windowTitle(), QStringLiteral("List View"));
        frmNavigate* n = l->navigateWindow();
        QVERIFY(n && n->isVisible());
        QCOMPARE(n->parentWidget(), l);
        QCOMPARE(n->windowTitle(), QStringLiteral("Navigate - Verbaloom!"));
        QCOMPARE(n->Label1->text(), QStringLiteral("Current Difficutly Level:"));
        QCOMPARE(n->Command4->text(), QStringLiteral("Mark as  &Double Difficult"));
        QCOMPARE(l->DataGrid1Caption->text(), QStringLiteral("List of Words in the Recordset"));
        QCOMPARE(l->Label2->text(), QStringLiteral("&Find"));
        QCOMPARE(l->Command1->text(), QStringLiteral("&Refine Selection ..."));
        QCOMPARE(l->Command2->text(), QStringLiteral("Easy Navigate ..."));
        QCOMPARE(l->Command3->text(), QStringLiteral("Print It!"));
        QCOMPARE(l->Command3->toolTip(), QStringLiteral("Print Whatever you are seeing below"));
        QCOMPARE(l->Command4->text(), QStringLiteral("Close"));

        QStringList headings;
        for (int c = 0; c < WordGridModel::ColumnCount; ++c)
            headings << l->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(headings, (QStringList{"Lst", "BM", "Word", "Meaning", "Usage"}));
        QCOMPARE(l->model()->rowCount(), 8);
        QCOMPARE(currentRow(l), 0);

        // The toolbar again brings the same list forward without a second hint.
        s.form->Toolbar1_ButtonClick(QStringLiteral("Listy"));
        QCOMPARE(s.form->listWindow(), l);
        QCOMPARE(s.messages.requests.size(), 1);
    }

    void theColumnsShowTheRow_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("Easy") << 0
                              << QStringList{"1", "", "abase", "meaning of abase",
                                             "They used --- in a sentence about 1."};
        QTest::newRow("Difficult") << 1
                                   << QStringList{"1", "#", "abate", "meaning of abate",
                                                  "They used --- in a sentence about 1."};
        QTest::newRow("Very Difficult") << 2
                                        << QStringList{"2", "#", "abstruse", "meaning of abstruse",
                                                       "They used --- in a sentence about 2."};
        QTest::newRow("Very Difficult mark alone")
            << 4
            << QStringList{"3", "", "Laconic", "meaning of Laconic",
                           "They used --- in a sentence about 3."};
    }
    void theColumnsShowTheRow() {
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        MainWindowSession s;
        frmList* l = openList(s);
        QStringList shown;
        for (int c = 0; c < WordGridModel::ColumnCount; ++c)
            shown << cell(l, row, c);
        QCOMPARE(shown, cells);
    }

    void theGridFollowsTheCard() {
        MainWindowSession s(FixtureDb::defaultWords(), {0.0, 0.7});
        frmList* l = openList(s);
        frmNavigate* n = l->navigateWindow();
        s.click(s.form->Command10[1]);
        QCOMPARE(currentRow(l), 1);
        s.click(n->Command1); // "=>"
        QCOMPARE(s.word(), QStringLiteral("abstruse"));
        QCOMPARE(currentRow(l), 2);
        s.click(n->Command2); // "<="
        QCOMPARE(currentRow(l), 1);
        s.click(s.form->cmdRandomWord); // 0.7 of 8: the 6th row
        QCOMPARE(currentRow(l), 5);
        QTest::keyClicks(s.form->txtFind, QStringLiteral("ve"));
        QCOMPARE(currentRow(l), 6);
        QVERIFY(l->DataGrid1->selectionModel()->isRowSelected(6, {}));
    }

    void theCardFollowsTheGrid() {
        MainWindowSession s;
        frmList* l = openList(s);
        clickRow(l, 5);
        QCOMPARE(s.word(), QStringLiteral("obdurate"));
        QCOMPARE(s.form->Label10[1]->text(), QStringLiteral("6"));
        QVERIFY(s.form->chkDiff[0]->isChecked());
        QCOMPARE(l->navigateWindow()->lblDiffLevel->text(), QStringLiteral("Difficult"));
        QTest::keyClick(l->DataGrid1, Qt::Key_Down);
        QCOMPARE(s.word(), QStringLiteral("venal"));
        QTest::keyClick(l->DataGrid1, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QTest::keyClick(l->DataGrid1, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        QCOMPARE(s.form->Label10[1]->text(), QStringLiteral("8"));
    }

    void theGridShowsTheRefinedSelection() {
        MainWindowSession s;
        frmList* l = openList(s);
        s.form->recordset()->setFilter(QStringLiteral("bookmark = 1"));
        QCOMPARE(l->model()->rowCount(), 3);
        QCOMPARE(cell(l, 2, WordGridModel::Word), QStringLiteral("obdurate"));
        QCOMPARE(currentRow(l), 0);
        s.form->querybtn_Click(QStringLiteral("select * from spwl where specialwl = 'Religion'"));
        QCOMPARE(l->model()->rowCount(), 2);
        QCOMPARE(cell(l, 1, WordGridModel::Word), QStringLiteral("dogma"));
        QCOMPARE(cell(l, 1, WordGridModel::BM), QStringLiteral("#"));
        s.form->recordset()->setFilter(QStringLiteral("name = 'nothing'"));
        QCOMPARE(l->model()->rowCount(), 0);
        QCOMPARE(currentRow(l), -1);
    }

    void theNavigateWindowMarksTheWord() {
        MainWindowSession s;
        frmList* l = openList(s);
        frmNavigate* n = l->navigateWindow();
        QCOMPARE(n->lblDiffLevel->text(), QStringLiteral("Easy"));
        s.click(n->Command3);
        QCOMPARE(n->lblDiffLevel->text(), QStringLiteral("Difficult"));
        QCOMPARE(s.db.scalar("select bookmark from words where name='abase'").toInt(), 1);
        QCOMPARE(cell(l, 0, WordGridModel::BM), QStringLiteral("#"));
        s.click(n->Command4);
        QCOMPARE(n->lblDiffLevel->text(), QStringLiteral("Double Difficult"));
        QCOMPARE(s.db.scalar("select doublebm from words where name='abase'").toInt(), 1);
        QVERIFY(s.form->chkDiff[1]->isChecked());
        s.click(n->Command5);
        QCOMPARE(n->lblDiffLevel->text(), QStringLiteral("Easy"));
        QCOMPARE(s.db.scalar("select bookmark + doublebm from words where name='abase'").toInt(),
                 0);
        QCOMPARE(cell(l, 0, WordGridModel::BM), QString());
        // Double Difficult straight from Easy sets both marks.
        s.click(n->Command4);
        QCOMPARE(s.db.scalar("select bookmark + doublebm from words where name='abase'").toInt(),
                 2);
        // The level follows the steps.
        s.click(n->Command1);
        QCOMPARE(n->lblDiffLevel->text(), QStringLiteral("Difficult"));
        s.click(n->studiedit);
        QCOMPARE(s.db.scalar("select readcount from words where name='abate'").toInt(), 3);
        s.click(n->Command12);
        s.click(l->Command12);
        QCOMPARE(s.speech.spoken, (QStringList{"abate", "abate"}));
    }

    void theFindBoxMovesTheCard() {
        MainWindowSession s;
        frmList* l = openList(s);
        s.messages.clear();
        QTest::keyClicks(l->Text1, QStringLiteral("OB"));
        QCOMPARE(s.word(), QStringLiteral("obdurate"));
        QCOMPARE(currentRow(l), 5);
        QTest::keyClicks(l->Text1, QStringLiteral("x"));
        QCOMPARE(s.messages.texts(), QStringList{Navigation::wordNotFoundMessage()});
        QCOMPARE(s.word(), QStringLiteral("obdurate"));
        QTest::keyClick(l->Text1, Qt::Key_Backspace);
        QTest::keyClick(l->Text1, Qt::Key_Backspace);
        QTest::keyClick(l->Text1, Qt::Key_Backspace);
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QTest::keyClicks(l->Text1, QStringLiteral("o'c"));
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
    }

    void refineOpensBesideTheListWithoutBlockingIt() {
        MainWindowSession s;
        frmList* l = openList(s);
        s.click(l->Command1);
        auto* refine = l->findChild<frmFilterbox*>();
        QVERIFY(refine && refine->isVisible());
        QCOMPARE(refine->parentWidget(), l);
        QVERIFY(!refine->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        // The list stays in use, and shows what the refinement leaves.
        s.form->recordset()->setFilter(QStringLiteral("highfw = 1"));
        QCOMPARE(l->model()->rowCount(), 2);
        clickRow(l, 1);
        QCOMPARE(s.word(), QStringLiteral("venal"));
    }

    void widerWindowWiderTextColumns() {
        MainWindowSession s;
        frmList* l = openList(s);
        l->resize(900, 600);
        QHeaderView* h = l->DataGrid1->horizontalHeader();
        auto widths = [&] {
            QList<int> w;
            for (int c = 0; c < WordGridModel::ColumnCount; ++c)
                w << h->sectionSize(c);
            return w;
        };
        const QList<int> before = widths();
        const int px1000 = int(std::lround(1000.0 * l->logicalDpiX() / 1440));
        l->resize(900 + px1000, 600);
        const QList<int> after = widths();
        QCOMPARE(after[0], before[0]);
        QCOMPARE(after[1], before[1]);
        const double twipsPerPixel = 1440.0 / l->logicalDpiX();
        const double grown[] = {120, 300, 540};
        for (int c = 2; c < 5; ++c)
            QVERIFY2(std::abs((after[c] - before[c]) * twipsPerPixel - grown[c - 2]) <=
                         2 * twipsPerPixel,
                     qPrintable(
                         QStringLiteral("column %1 grew %2 px").arg(c).arg(after[c] - before[c])));
        // The columns fit the grid: no sideways scrolling at the window's size.
        int total = 0;
        for (int w : after)
            total += w;
        QVERIFY(total <= l->DataGrid1->viewport()->width());
    }

    void printAndCloseAndOpenAgain() {
        MainWindowSession s;
        frmList* l = openList(s);
        s.messages.clear();
        s.click(l->Command3);
        QCOMPARE(s.messages.texts(), QStringList{"Are you sure you want to Print 8 WORDS? "});
        QPointer<frmNavigate> n = l->navigateWindow();
        n->close();
        QTRY_VERIFY(!n);
        s.click(l->Command2);
        QVERIFY(l->navigateWindow() && l->navigateWindow()->isVisible());
        n = l->navigateWindow();
        QPointer<frmList> list = l;
        s.click(l->Command4);
        QTRY_VERIFY(!list);
        QVERIFY(!n);
        QVERIFY(!s.form->listWindow());
        openList(s);
        QVERIFY(s.form->listWindow() && s.form->listWindow() != nullptr);
        QCOMPARE(s.messages.texts().count(ListView::openingMessage()), 1);
    }
};

QTEST_MAIN(TestListView)
#include "tst_listview.moc"
