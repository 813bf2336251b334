// The list view and the navigate window: the grid bound to the session's selection in both
// directions, its columns and its rows opened up, the find box, the navigate window's steps,
// marks and level, and the window closed from outside while its own message is up.
#include "selection/RefineSelectionDialog.h"
#include "study/Navigation.h"
#include "support/MainWindowSession.h"
#include "ui/Look.h"
#include "views/ListView.h"
#include "views/NavigateWindow.h"
#include "views/WordGridModel.h"
#include "views/WordListWindow.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTextDocument>
#include <QToolTip>

namespace {
// A meaning too long for its column, with a line break and markup a learner typed.
const QString kLongMeaning =
    QStringLiteral("to lower in rank, office, prestige or esteem; to humble oneself in the eyes "
                   "of others, <i>deliberately</i> or by bad luck, and then some more words so "
                   "that no column of any width shows it on one line\r\nsecond line of it");

WordListWindow* openList(MainWindowSession& s) {
    s.toolbar(QStringLiteral("Listy"));
    return control<WordListWindow>(s.form.get(), QStringLiteral("frmList"));
}

QTableView* grid(WordListWindow* l) {
    return control<QTableView>(l, QStringLiteral("DataGrid1"));
}

NavigateWindow* navigate(WordListWindow* l) {
    const QList<NavigateWindow*> open = l->findChildren<NavigateWindow*>();
    return open.size() == 1 ? open.first() : nullptr;
}

void click(QWidget* window, const char* name) {
    QTest::mouseClick(control<QAbstractButton>(window, QString::fromLatin1(name)), Qt::LeftButton);
}

QString cell(WordListWindow* l, int row, int column) {
    return grid(l)->model()->index(row, column).data().toString();
}

int currentRow(WordListWindow* l) {
    const QModelIndex i = grid(l)->currentIndex();
    return i.isValid() ? i.row() : -1;
}

QPoint cellCentre(WordListWindow* l, int row, int column = WordGridModel::Word) {
    const QModelIndex at = grid(l)->model()->index(row, column);
    grid(l)->scrollTo(at);
    return grid(l)->visualRect(at).center();
}

void clickRow(WordListWindow* l, int row) {
    QTest::mouseClick(grid(l)->viewport(), Qt::LeftButton, {}, cellCentre(l, row));
}

int rowHeight(WordListWindow* l, int row) {
    return grid(l)->verticalHeader()->sectionSize(row);
}

QString level(WordListWindow* l) {
    return control<QLabel>(navigate(l), QStringLiteral("lblDiffLevel"))->text();
}
} // namespace

class TestWordListWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void captions_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("grid caption") << "list" << "DataGrid1Caption"
                                      << "List of Words in the Recordset";
        QTest::newRow("find") << "list" << "Label2" << "&Find";
        QTest::newRow("refine") << "list" << "Command1" << "&Refine Selection ...";
        QTest::newRow("navigate") << "list" << "Command2" << "Easy Navigate ...";
        QTest::newRow("print") << "list" << "Command3" << "Print It!";
        QTest::newRow("close") << "list" << "Command4" << "Close";
        QTest::newRow("level") << "navigate" << "Label1" << "Current Difficutly Level:";
        QTest::newRow("next") << "navigate" << "Command1" << "=>";
        QTest::newRow("previous") << "navigate" << "Command2" << "<=";
        QTest::newRow("difficult") << "navigate" << "Command3" << "&Mark as Difficult";
        QTest::newRow("double") << "navigate" << "Command4" << "Mark as  &Double Difficult";
        QTest::newRow("easy") << "navigate" << "Command5" << "Mark as &Easy";
        QTest::newRow("studied") << "navigate" << "studiedit" << "Mark it. I've Studied.";
    }
    void captions() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        MainWindowSession s;
        WordListWindow* l = openList(s);
        QWidget* w = window == QLatin1String("list") ? static_cast<QWidget*>(l) : navigate(l);
        QCOMPARE(MainWindowSession::textOf(control(w, name)), text);
    }

    void openingGivesTheHintThenTheNavigateWindow() {
        MainWindowSession s;
        WordListWindow* l = openList(s);
        QVERIFY(l->isVisible());
        QCOMPARE(l->windowTitle(), QStringLiteral("List View"));
        QCOMPARE(s.messages.texts(), QStringList{ListView::openingMessage()});
        QCOMPARE(s.messages.requests.first().icon, QMessageBox::Information);
        NavigateWindow* n = navigate(l);
        QVERIFY(n && n->isVisible());
        QCOMPARE(n->windowTitle(), QStringLiteral("Navigate - Verbaloom!"));
        QCOMPARE(control<QPushButton>(l, QStringLiteral("Command3"))->toolTip(),
                 QStringLiteral("Print Whatever you are seeing below"));

        QStringList headings;
        for (int c = 0; c < WordGridModel::ColumnCount; ++c)
            headings << grid(l)->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headings, (QStringList{"Lst", "BM", "Word", "Meaning", "Usage"}));
        QCOMPARE(grid(l)->model()->rowCount(), 8);
        QCOMPARE(currentRow(l), 0);

        // The toolbar again brings the same list forward without a second hint.
        s.toolbar(QStringLiteral("Listy"));
        QCOMPARE(control<WordListWindow>(s.form.get(), QStringLiteral("frmList")), l);
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
        WordListWindow* l = openList(s);
        QStringList shown;
        for (int c = 0; c < WordGridModel::ColumnCount; ++c)
            shown << cell(l, row, c);
        QCOMPARE(shown, cells);
    }

    void theGridFollowsTheSession() {
        MainWindowSession s(FixtureDb::defaultWords(), {0.0, 0.7});
        WordListWindow* l = openList(s);
        s.click(QStringLiteral("Command10_1"));
        QCOMPARE(currentRow(l), 1);
        click(navigate(l), "Command1"); // "=>"
        QCOMPARE(s.word(), QStringLiteral("abstruse"));
        QCOMPARE(currentRow(l), 2);
        click(navigate(l), "Command2"); // "<="
        QCOMPARE(currentRow(l), 1);
        s.click(QStringLiteral("cmdRandomWord")); // 0.7 of 8: the 6th row
        QCOMPARE(currentRow(l), 5);
        QTest::keyClicks(s.find<QLineEdit>(QStringLiteral("txtFind")), QStringLiteral("ve"));
        QCOMPARE(currentRow(l), 6);
        QVERIFY(grid(l)->selectionModel()->isRowSelected(6, {}));
    }

    void theSessionFollowsTheGrid() {
        MainWindowSession s;
        WordListWindow* l = openList(s);
        clickRow(l, 5);
        QCOMPARE(s.word(), QStringLiteral("obdurate"));
        QCOMPARE(s.text(QStringLiteral("Label10_1")), QStringLiteral("6"));
        QVERIFY(s.find<QCheckBox>(QStringLiteral("chkDiff_0"))->isChecked());
        QCOMPARE(level(l), QStringLiteral("Difficult"));
        QTest::keyClick(grid(l), Qt::Key_Down);
        QCOMPARE(s.word(), QStringLiteral("venal"));
        QTest::keyClick(grid(l), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QTest::keyClick(grid(l), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        QCOMPARE(s.text(QStringLiteral("Label10_1")), QStringLiteral("8"));
        // While a window holds the word the grid cannot move it, and shows where it stands.
        s.session->hold();
        clickRow(l, 2);
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
        QTRY_COMPARE(currentRow(l), 7);
        QVERIFY(grid(l)->selectionModel()->isRowSelected(7, {}));
        QVERIFY(!grid(l)->selectionModel()->isRowSelected(2, {}));
        s.session->release();
    }

    void theGridShowsTheRefinedSelection() {
        MainWindowSession s;
        WordListWindow* l = openList(s);
        s.session->applyRefinement(QStringLiteral("bookmark = 1"));
        QCOMPARE(grid(l)->model()->rowCount(), 3);
        QCOMPARE(cell(l, 2, WordGridModel::Word), QStringLiteral("obdurate"));
        QCOMPARE(currentRow(l), 0);
        QVERIFY(s.session->applySelection(
            QStringLiteral("select * from spwl where specialwl = 'Religion'")));
        QCOMPARE(grid(l)->model()->rowCount(), 2);
        QCOMPARE(cell(l, 1, WordGridModel::Word), QStringLiteral("dogma"));
        QCOMPARE(cell(l, 1, WordGridModel::BM), QStringLiteral("#"));
        s.session->applyRefinement(QStringLiteral("name = 'nothing'"));
        QCOMPARE(grid(l)->model()->rowCount(), 0);
        QCOMPARE(currentRow(l), -1);
    }

    void theNavigateWindowMarksTheWord() {
        MainWindowSession s;
        WordListWindow* l = openList(s);
        NavigateWindow* n = navigate(l);
        const auto marks = [&] {
            return s.db.scalar("select bookmark || doublebm from words where name='abase'")
                .toString();
        };
        QCOMPARE(level(l), QStringLiteral("Easy"));
        click(n, "Command3");
        QCOMPARE(level(l), QStringLiteral("Difficult"));
        QCOMPARE(marks(), QStringLiteral("10"));
        QCOMPARE(cell(l, 0, WordGridModel::BM), QStringLiteral("#"));
        click(n, "Command4");
        QCOMPARE(level(l), QStringLiteral("Double Difficult"));
        QCOMPARE(marks(), QStringLiteral("11"));
        QVERIFY(s.find<QCheckBox>(QStringLiteral("chkDiff_1"))->isChecked());
        click(n, "Command5");
        QCOMPARE(level(l), QStringLiteral("Easy"));
        QCOMPARE(marks(), QStringLiteral("00"));
        QCOMPARE(cell(l, 0, WordGridModel::BM), QString());
        // Double Difficult straight from Easy sets both marks.
        click(n, "Command4");
        QCOMPARE(marks(), QStringLiteral("11"));
        // The level follows the steps, the arrow keys too.
        n->activateWindow();
        QTRY_VERIFY(n->isActiveWindow());
        QTest::keyClick(n, Qt::Key_Right);
        QCOMPARE(s.word(), QStringLiteral("abate"));
        QCOMPARE(level(l), QStringLiteral("Difficult"));
        click(n, "studiedit");
        QCOMPARE(s.db.scalar("select readcount from words where name='abate'").toInt(), 3);
        click(n, "Command12");
        click(l, "Command12");
        QCOMPARE(s.speech.spoken, (QStringList{"abate", "abate"}));
    }

    void aMarkOnlyDataHadIsLeftAsItIs() {
        // Laconic is marked Very Difficult without Difficult; the main window's Very
        // Difficult box shows ticked, so "Double Difficult" changes nothing.
        MainWindowSession s;
        WordListWindow* l = openList(s);
        clickRow(l, 4);
        QCOMPARE(level(l), QStringLiteral("Easy"));
        click(navigate(l), "Command4");
        QCOMPARE(s.db.scalar("select bookmark || doublebm from words where name='Laconic'")
                     .toString(),
                 QStringLiteral("01"));
    }

    void theFindBoxMovesTheSession() {
        MainWindowSession s;
        WordListWindow* l = openList(s);
        auto* find = control<QLineEdit>(l, QStringLiteral("Text1"));
        s.messages.clear();
        QTest::keyClicks(find, QStringLiteral("OB"));
        QCOMPARE(s.word(), QStringLiteral("obdurate"));
        QCOMPARE(currentRow(l), 5);
        QTest::keyClicks(find, QStringLiteral("x"));
        QCOMPARE(s.messages.texts(), QStringList{Navigation::wordNotFoundMessage()});
        QCOMPARE(s.word(), QStringLiteral("obdurate"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(find, Qt::Key_Backspace);
        QCOMPARE(s.word(), QStringLiteral("abase"));
        QTest::keyClicks(find, QStringLiteral("o'c"));
        QCOMPARE(s.word(), QStringLiteral("o'clock"));
    }

    void refineOpensBesideTheListWithoutBlockingIt() {
        MainWindowSession s;
        WordListWindow* l = openList(s);
        click(l, "Command1");
        auto* refine = l->findChild<RefineSelectionDialog*>();
        QVERIFY(refine && refine->isVisible());
        QVERIFY(!refine->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        // The list stays in use, and shows what the refinement leaves.
        s.session->applyRefinement(QStringLiteral("highfw = 1"));
        QCOMPARE(grid(l)->model()->rowCount(), 2);
        clickRow(l, 1);
        QCOMPARE(s.word(), QStringLiteral("venal"));
    }

    void widerWindowWiderTextColumns() {
        MainWindowSession s;
        WordListWindow* l = openList(s);
        l->resize(900, 600);
        QHeaderView* h = grid(l)->horizontalHeader();
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
        QVERIFY(total <= grid(l)->viewport()->width());
    }

    void aLongMeaningShowsWholeOnHover() {
        std::vector<WordRow> words = FixtureDb::defaultWords();
        words[1].meaning = kLongMeaning;
        MainWindowSession s(words);
        WordListWindow* l = openList(s);
        const QPoint at = cellCentre(l, 1, WordGridModel::Meaning);
        QHelpEvent hover(QEvent::ToolTip, at, grid(l)->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid(l)->viewport(), &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        QTextDocument tip;
        tip.setHtml(QToolTip::text());
        // Whole, line break and markup as typed.
        QCOMPARE(tip.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n')),
                 QString(kLongMeaning).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        QToolTip::hideText();
    }

    void aRowOpensUpToItsWholeTextAndFoldsBack() {
        std::vector<WordRow> words = FixtureDb::defaultWords();
        words[1].meaning = kLongMeaning;
        MainWindowSession s(words);
        WordListWindow* l = openList(s);
        const int oneLine = rowHeight(l, 1);
        clickRow(l, 1);
        QTest::keyClick(grid(l), Qt::Key_Return);
        const int opened = rowHeight(l, 1);
        // Every line of the meaning fits the row at the column's width.
        const QFontMetrics fm(grid(l)->font());
        const int columnWidth = grid(l)->columnWidth(WordGridModel::Meaning);
        const int needed =
            fm.boundingRect(QRect(0, 0, columnWidth, 100000), Qt::TextWordWrap, kLongMeaning)
                .height();
        QVERIFY2(opened >= needed && opened > 2 * oneLine,
                 qPrintable(QStringLiteral("%1 px for %2").arg(opened).arg(needed)));
        QCOMPARE(rowHeight(l, 0), oneLine);
        QCOMPARE(rowHeight(l, 2), oneLine);
        // A narrower window wraps into more lines: the row grows with them.
        l->resize(l->width() - 200, l->height());
        QVERIFY(rowHeight(l, 1) > opened);
        // The column rule holds all the same.
        QCOMPARE(grid(l)->columnWidth(WordGridModel::Lst),
                 Look::twips(grid(l), ListView::LstWidth));
        // A double-click folds it back to one line.
        const QPoint meaning = cellCentre(l, 1, WordGridModel::Meaning);
        QTest::mouseClick(grid(l)->viewport(), Qt::LeftButton, {}, meaning);
        QTest::mouseDClick(grid(l)->viewport(), Qt::LeftButton, {}, meaning);
        QCOMPARE(rowHeight(l, 1), oneLine);
        QCOMPARE(s.word(), QStringLiteral("abate"));
    }

    void printAndCloseAndOpenAgain() {
        MainWindowSession s;
        WordListWindow* l = openList(s);
        s.messages.clear();
        click(l, "Command3");
        QCOMPARE(s.messages.texts(), QStringList{"Are you sure you want to Print 8 WORDS? "});
        QPointer<NavigateWindow> n = navigate(l);
        n->close();
        QTRY_VERIFY(!n);
        click(l, "Command2");
        n = navigate(l);
        QVERIFY(n && n->isVisible());
        QPointer<WordListWindow> list = l;
        l->activateWindow();
        QTRY_VERIFY(l->isActiveWindow());
        QTest::keyClick(l, Qt::Key_Escape);
        QTRY_VERIFY(!list);
        QVERIFY(!n);
        openList(s);
        QCOMPARE(s.messages.texts().count(ListView::openingMessage()), 1);
    }

    // The real message boxes: a window closed from outside while its own message is up must
    // not be deleted under it, and asks nothing more once it is answered.
    void closingTheListUnderItsOwnMessageIsSafe_data() {
        QTest::addColumn<bool>("printing");
        QTest::newRow("opening message") << false;
        QTest::newRow("print question") << true;
    }
    void closingTheListUnderItsOwnMessageIsSafe() {
        QFETCH(bool, printing);
        MainWindowSession s;
        QPointer<WordListWindow> list = printing ? openList(s) : nullptr;
        MessageBox::setHandler(nullptr);
        int answered = 0;
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            // First the window goes, and the message stays up a moment longer.
            if ((list = s.form->findChild<WordListWindow*>()) && list->isVisible()) {
                list->close();
                return;
            }
            ++answered;
            // Yes where it asks: the flow would go on, were it not for the window gone.
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (QAbstractButton* yes = box ? box->button(QMessageBox::Yes) : nullptr)
                yes->click();
            else
                modal->close();
        });
        closer.start();
        if (printing)
            click(list, "Command3");
        else
            s.toolbar(QStringLiteral("Listy"));
        QTRY_VERIFY(!list);
        QTest::qWait(60);
        QCOMPARE(answered, 1);
        // The main window carries on.
        s.click(QStringLiteral("Command10_1"));
        QCOMPARE(s.word(), QStringLiteral("abate"));
    }
};

QTEST_MAIN(TestWordListWindow)
#include "tst_wordlistwindow.moc"
