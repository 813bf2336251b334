// Every text box a learner can type into, fed hostile text: quotes, wildcards, statement
// fragments, very long text, control characters, broken UTF-8, right-to-left and combining
// marks, emoji. Afterwards the database holds exactly what the learner's actions should
// have made it, and the program still answers.
#include "app/Settings.h"
#include "app/Random.h"
#include "data/Recordset.h"
#include "game/GameScoring.h"
#include "game/HighScoreDialog.h"
#include "maintenance/AddWordWindow.h"
#include "maintenance/EditWordDialog.h"
#include "maintenance/WordName.h"
#include "selection/RefineSelectionDialog.h"
#include "selection/WordSelectionDialog.h"
#include "support/MainWindowSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

namespace {

QStringList corpus() {
    QStringList texts{
        QStringLiteral("o'clock"),
        QStringLiteral("\"quoted\" and 'single'"),
        QStringLiteral("%"),
        QStringLiteral("_"),
        QStringLiteral("a%_b"),
        QStringLiteral(";"),
        QStringLiteral("--"),
        QStringLiteral("/* x */"),
        QStringLiteral("#"),
        QStringLiteral("#01/01/2004#"),
        QStringLiteral("x'); delete from words; --"),
        QStringLiteral("0) ; delete from words; --"),
        QStringLiteral("1 or 1=1"),
        QStringLiteral("'; drop table words; select '"),
        QString(QChar(1)) + QChar(2) + QStringLiteral("\t\r\n") + QChar(0x7f) + QChar(0),
        QString::fromUtf8("\xff\xfe\xc3\x28 \xe2\x82"), // broken UTF-8 turned into text
        QString::fromUtf8("שלום עליכם مرحبا"),
        QStringLiteral("e") + QString(8, QChar(0x0301)),
        QString::fromUtf8("😀👍🏽 \xF0\x9F\x87\xBA\xF0\x9F\x87\xB3"),
        QString(100000, QLatin1Char('a')),
        QString(50000, QLatin1Char('\'')),
        QString(20000, QLatin1Char('(')),
    };
    return texts;
}

// Short and plain enough to type key by key as well; the rest arrives as pasted text.
bool typable(const QString& t) {
    return t.size() <= 40 && std::all_of(t.begin(), t.end(), [](QChar c) {
               return c.unicode() >= 0x20 && c.unicode() < 0x7f;
           });
}

struct Session : MainWindowSession {
    // Still answers: a step moves the card and the counters follow.
    void stillAnswers() {
        find<QPushButton>("Command10_1")->click();
        find<QPushButton>("Command10_0")->click();
        QVERIFY(!text("Label10_0").isEmpty());
        QApplication::processEvents();
    }
    template <class W> void withModal(std::function<void()> open, std::function<void(W*)> inside) {
        QVERIFY(MainWindowSession::withModal<W>(open, inside));
    }
};

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

template <class T = QWidget> T* in(const QWidget* window, const QString& name) {
    return control<T>(window, name);
}

void feed(QLineEdit* box, const QString& text) {
    box->clear();
    if (typable(text))
        QTest::keyClicks(box, text);
    box->setText(text);
}

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void findBoxes() {
        Session s;
        const QString before = s.db.dump();
        s.toolbar(QStringLiteral("Listy"));
        QWidget* list = topLevel("frmList");
        QVERIFY(list);
        for (const QString& text : corpus()) {
            feed(s.find<QLineEdit>("txtFind"), text);
            feed(in<QLineEdit>(list, "Text1"), text);
            s.stillAnswers();
        }
        QCOMPARE(s.db.dump(), before);
    }

    void refineBoxes() {
        Session s;
        const QString before = s.db.dump();
        s.withModal<RefineSelectionDialog>(
            [&] { s.toolbar(QStringLiteral("Filter It!")); },
            [&](RefineSelectionDialog* w) {
                for (const QString& text : corpus())
                    for (int i = 0; i < 8; ++i)
                        feed(in<QLineEdit>(w, QStringLiteral("Text1_%1").arg(i)), text);
            });
        QCOMPARE(s.db.dump(), before);
        s.stillAnswers();
        // What stayed in force is an expression the database took.
        s.session->refinedRows()->setFilter(s.session->refinement());
    }

    void wordSelectionBoxes() {
        Session s;
        const QString before = s.db.dump();
        for (const QString& text : corpus()) {
            s.withModal<WordSelectionDialog>(
                [&] { s.toolbar(QStringLiteral("Intelli Select")); },
                [&](WordSelectionDialog* w) {
                    in<QCheckBox>(w, "chkRCnt")->click();
                    in<QCheckBox>(w, "chkLastRead")->click();
                    in<QComboBox>(w, "cmbRdCnt")->setCurrentText(text);
                    feed(in<QLineEdit>(w, "txtRdCnt"), text);
                    feed(in<QLineEdit>(w, "txtDateRange_0"), text);
                    feed(in<QLineEdit>(w, "txtDateRange_1"), text);
                    in<QPushButton>(w, "cmdOK")->click();
                    QVERIFY(w->isVisible()); // refused with a message
                    in<QPushButton>(w, "cmdCancel")->click();
                });
        }
        QCOMPARE(s.db.dump(), before);
        QCOMPARE(s.text("Label10_2"), QStringLiteral("8"));
        s.stillAnswers();
    }

    void editStoresWhatWasTypedBarControls() {
        Session s;
        for (const QString& text : corpus()) {
            const QString word = s.word();
            s.withModal<EditWordDialog>(
                [&] { s.click("cmdEdit"); },
                [&](EditWordDialog* w) {
                    in<QPlainTextEdit>(w, "txtMeaning")->setPlainText(text);
                    in<QPlainTextEdit>(w, "txtUsage")->setPlainText(text + QStringLiteral(" usage"));
                    in<QPushButton>(w, "cmdUpdate")->click();
                });
            // The text as a text box holds it, in NFC, without control characters but line
            // breaks and tabs.
            const QString kept = WordName::cleanText(QPlainTextEdit(text).toPlainText());
            QCOMPARE(s.text("Text2"), kept);
            QCOMPARE(s.db.scalar(QStringLiteral("select count(*) from words")).toInt(), 8);
            QCOMPARE(
                FixtureDb::scalarAt(s.db.path(),
                                    QStringLiteral("select meaning from words where name = '") +
                                        QString(word).replace(u'\'', QLatin1String("''")) + u'\''),
                QVariant(kept));
            s.stillAnswers();
        }
        QCOMPARE(s.db.scalar(QStringLiteral("pragma integrity_check")).toString(),
                 QStringLiteral("ok"));
    }

    void addWordStoresOrRefusesWhole() {
        Session s;
        control<QAction>(s.form.get(), QStringLiteral("addword"))->trigger();
        QWidget* add = AddWordWindow::current();
        QVERIFY(add);
        int expected = 8;
        QSet<QString> stored;
        for (const QString& text : corpus()) {
            feed(in<QLineEdit>(add, "txtWord"), text);
            feed(in<QLineEdit>(add, "txtMeaning"), text);
            feed(in<QLineEdit>(add, "txtUsage"), text);
            const WordName::Checked checked = WordName::check(in<QLineEdit>(add, "txtWord")->text());
            const QString name = checked.word;
            s.messages.answers = {QMessageBox::Yes};
            in<QPushButton>(add, "cmdAddWord")->click();
            if (checked.ok() && !stored.contains(name.toLower()) &&
                name.compare(QLatin1String("o'clock"), Qt::CaseInsensitive) != 0) {
                ++expected;
                stored.insert(name.toLower());
            }
            QCOMPARE(s.db.scalar(QStringLiteral("select count(*) from words")).toInt(), expected);
            QApplication::processEvents();
        }
        QCOMPARE(s.db
                     .scalar(QStringLiteral(
                         "select count(*) from words where name = 'x''); delete from words; --'"))
                     .toInt(),
                 1);
        QCOMPARE(s.db
                     .scalar(QStringLiteral(
                         "select count(*) from words where groupid not in (1, 2, 3, 4, 5, 51, 52)"))
                     .toInt(),
                 0);
        QCOMPARE(s.db.scalar(QStringLiteral("pragma integrity_check")).toString(),
                 QStringLiteral("ok"));
        add->close();
        s.stillAnswers();
    }

    void gameKeysAndTheHighScorerName() {
        Session s;
        const QString before = s.db.dump();
        s.toolbar(QStringLiteral("Game"));
        QWidget* game = topLevel("frmGame");
        QVERIFY(game);
        // Some keys open the letter picker; close it again as soon as it shows.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        closer.start(5);
        for (const QString& text : corpus())
            if (typable(text))
                QTest::keyClicks(game->focusWidget() ? game->focusWidget() : game, text);
        closer.stop();
        for (QComboBox* box : game->findChildren<QComboBox*>())
            box->setCurrentIndex(box->count() - 1);
        for (const QString& text : corpus()) {
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<HighScoreDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                feed(in<QLineEdit>(dialog, "Text1"), text);
                in<QPushButton>(dialog, "OKButton")->click();
            });
            const std::optional<QString> name = HighScoreDialog::askName(game);
            QVERIFY(name);
            GameScoring::HighScore::store(450, *name);
            const QString back = HighScoreStore::value(GameScoring::HighScore::NameValue);
            QCOMPARE(back, name->trimmed().section(QChar(0), 0, 0));
            QCOMPARE(GameScoring::HighScore::stored().value_or(-1), 450.0);
        }
        game->close();
        QCOMPARE(s.db.dump(), before);
        QTRY_VERIFY(s.form->isEnabled());
        s.stillAnswers();
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
