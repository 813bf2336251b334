// The quiz window driven as a learner would: picking, verifying, the verdict colours, the
// score, a whole pass, the usage hint, a new pass, and the grade when it closes.
#include "app/Random.h"
#include "data/Recordset.h"
#include "quiz/frmtest.h"
#include "selection/frmFilterbox.h"
#include "study/Form1.h"
#include "support/MainWindowSession.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimer>
#include <QtTest>

namespace {

WordRow word(const QString& name, const QString& meaning, bool bm = false, bool dbm = false) {
    WordRow r;
    r.name = name;
    r.meaning = meaning;
    r.example = QStringLiteral("Use %1 --- here.").arg(name);
    r.bookmark = bm;
    r.doublebm = dbm;
    return r;
}

// A started main window with the quiz opened from the toolbar.
struct Session : MainWindowSession {
    explicit Session(const std::vector<WordRow>& words = FixtureDb::defaultWords(),
                     const QString& filter = QString())
        : MainWindowSession(words, std::make_unique<SeededRandom>(11)) {
        if (!filter.isEmpty())
            form->recordset()->setFilter(filter);
        form->Toolbar1_ButtonClick(QStringLiteral("Quiz"));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* q = qobject_cast<frmtest*>(w))
                quiz = q;
    }
    // The option that holds the right meaning, found by its text as a learner would.
    int rightOption() const {
        for (int i = 0; i < 4; ++i)
            if (quiz->Option1[size_t(i)]->text() ==
                QStringLiteral("meaning of ") + quiz->Label1->text())
                return i;
        return -1;
    }
    int wrongOption() const {
        for (int i = 0; i < 4; ++i)
            if (i != rightOption() && quiz->Option1[size_t(i)]->isEnabled())
                return i;
        return -1;
    }
    void answer(int option) {
        QTest::mouseClick(quiz->Option1[size_t(option)], Qt::LeftButton);
        QTest::mouseClick(quiz->verifyButton, Qt::LeftButton);
    }
    void next() { QTest::mouseClick(quiz->nextButton, Qt::LeftButton); }

    QPointer<frmtest> quiz;
};

// Owns the waits below, so that none outlives its test.
QObject& waits() {
    static QObject owner;
    return owner;
}

// Closes whatever modal window opens next (the selection windows), as a learner who
// changes nothing would.
void closeNextModal() {
    auto* timer = new QTimer(&waits());
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        if (QApplication::activeModalWidget() == nullptr && ++*tries > 20) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

} // namespace

class TestQuizWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }
    void cleanup() { qDeleteAll(waits().children()); }

    void rightAndWrongAnswersAreColouredScoredAndGraded() {
        Session s;
        QVERIFY(s.quiz);
        QVERIFY(!s.form->isEnabled());
        QVERIFY(s.quiz->isEnabled());
        QCOMPARE(s.quiz->windowTitle(), QStringLiteral("Quiz"));
        QCOMPARE(s.quiz->lblPocket->text(), QStringLiteral("8"));
        QVERIFY(!s.quiz->verifyButton->isEnabled());
        QVERIFY(!s.quiz->nextButton->isEnabled());
        // The main window stands on the last wrong option's word, not on the answer.
        QCOMPARE(s.form->Text2->toPlainText(),
                 s.quiz->Option1[size_t(s.quiz->correctIndex == 3 ? 2 : 3)]->text());

        const int right = s.rightOption();
        QCOMPARE(right, s.quiz->correctIndex);
        QTest::mouseClick(s.quiz->Option1[size_t(right)], Qt::LeftButton);
        QVERIFY(s.quiz->verifyButton->isEnabled());
        QVERIFY(!s.quiz->nextButton->isEnabled());
        QTest::mouseClick(s.quiz->verifyButton, Qt::LeftButton);
        QCOMPARE(s.quiz->Label2->text(), QStringLiteral("CORRECT"));
        QCOMPARE(s.quiz->Label3->text(), QStringLiteral("1 / 1 : 100%"));
        QCOMPARE(s.quiz->Option1[size_t(right)]->textColour(), QColor(0, 0x80, 0));
        QVERIFY(!s.quiz->verifyButton->isEnabled());
        QVERIFY(s.quiz->nextButton->isEnabled());
        // Picking another option once verified changes nothing else.
        QTest::mouseClick(s.quiz->Option1[size_t(s.wrongOption())], Qt::LeftButton);
        QVERIFY(!s.quiz->verifyButton->isEnabled());

        s.next();
        QCOMPARE(s.quiz->Label2->text(), QString());
        for (QuizOption* option : s.quiz->Option1) {
            QVERIFY(!option->textColour().isValid());
            QVERIFY(!option->isChecked());
        }
        const int wrong = s.wrongOption();
        const int rightNow = s.rightOption();
        s.answer(wrong);
        QCOMPARE(s.quiz->Label2->text(), QStringLiteral("INCORRECT"));
        QCOMPARE(s.quiz->Option1[size_t(wrong)]->textColour(), QColor(0xff, 0, 0));
        QCOMPARE(s.quiz->Option1[size_t(rightNow)]->textColour(), QColor(0, 0x80, 0));
        QCOMPARE(s.quiz->Label3->text(), QStringLiteral("1 / 2 : 50%"));

        s.next();
        s.answer(s.rightOption());
        QCOMPARE(s.quiz->Label3->text(), QStringLiteral("2 / 3 : 66%"));

        s.quiz->close();
        QCOMPARE(s.messages.requests.size(), 1);
        const MessageBox::Request grade = s.messages.requests.first();
        QCOMPARE(grade.text, QStringLiteral("Accuracy: 66%. Good. You can do much better"));
        QCOMPARE(grade.title, QStringLiteral("ScoreEvaluation - Verbaloom!"));
        QCOMPARE(grade.icon, QMessageBox::Information);
        QCOMPARE(grade.alignment, Qt::AlignRight);
        QVERIFY(s.form->isEnabled());
        QTRY_VERIFY(!s.quiz); // gone once closed
    }

    void aPassAsksEveryWordOnceThenSaysSo() {
        Session s;
        s.form->chkPLock->setChecked(true);
        const int wordsGoneThrough = s.form->lstRead->count();
        QSet<QString> asked{s.quiz->Label1->text()};
        for (int i = 1; i < 8; ++i) {
            s.answer(s.rightOption());
            s.next();
            QVERIFY2(!asked.contains(s.quiz->Label1->text()), qPrintable(s.quiz->Label1->text()));
            asked.insert(s.quiz->Label1->text());
        }
        QCOMPARE(asked.size(), 8);
        QVERIFY(s.messages.requests.isEmpty());
        const QString last = s.quiz->Label1->text();
        s.answer(s.wrongOption());
        s.next();
        QCOMPARE(s.messages.texts(),
                 QStringList{"All Words in your set have been considered for the Quiz\r\n\r\n"
                             "You can customize your Quiz to include another set of words"});
        QCOMPARE(s.quiz->Label1->text(), last);
        QCOMPARE(s.quiz->pass().askedCount(), 8);
        // Drawing quiz words is not studying them: nothing joined the list, nothing was read.
        QCOMPARE(s.form->lstRead->count(), wordsGoneThrough);
        QVERIFY(s.speech.spoken.isEmpty());

        // A new pass from "Word Selection": the same words may come again, the score goes on.
        QTest::mouseClick(s.quiz->lblhint, Qt::LeftButton);
        closeNextModal();
        QTest::mouseClick(s.quiz->speButton[0], Qt::LeftButton);
        QCOMPARE(s.quiz->pass().askedCount(), 1);
        QCOMPARE(s.quiz->lblPocket->text(), s.form->Label10[0]->text());
        QVERIFY(!s.quiz->verifyButton->isEnabled());
        QVERIFY(!s.quiz->nextButton->isEnabled());
        QVERIFY(s.quiz->lblhint->isHidden()); // left as it was
        s.answer(s.rightOption());
        QCOMPARE(s.quiz->Label3->text(), QStringLiteral("8 / 9 : 88%"));

        // "Refine Selection" to the difficult words: a pass of two.
        bool refined = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<frmFilterbox*>(QApplication::activeModalWidget());
            QVERIFY(w);
            QCOMPARE(w->parentWidget(), s.quiz.data());
            w->Option1[0]->click(); // Difficult Words
            QTest::mouseClick(w->cmdClose, Qt::LeftButton);
            refined = true;
        });
        QTest::mouseClick(s.quiz->speButton[1], Qt::LeftButton);
        QVERIFY(refined);
        QCOMPARE(s.quiz->lblPocket->text(), QStringLiteral("2"));
        QSet<QString> difficult{s.quiz->Label1->text()};
        s.answer(s.rightOption());
        s.next();
        difficult.insert(s.quiz->Label1->text());
        QCOMPARE(difficult, (QSet<QString>{"abate", "obdurate"}));
        s.messages.clear();
        s.answer(s.rightOption());
        s.next();
        QCOMPARE(s.messages.requests.size(), 1);
        QCOMPARE(s.quiz->Label3->text(), QStringLiteral("10 / 11 : 90%"));
    }

    void theHintCoverShowsTheUsage() {
        Session s;
        QVERIFY(s.quiz->lblhint->isVisible());
        QCOMPARE(s.quiz->lblhint->text(), QStringLiteral("Click here to get a hint if any."));
        QCOMPARE(s.quiz->lblhint->geometry(), s.quiz->Label10->geometry());
        QCOMPARE(s.quiz->Label10->text(), s.form->Text3->toPlainText());
        QTest::mouseClick(s.quiz->lblhint, Qt::LeftButton);
        QVERIFY(!s.quiz->lblhint->isVisible());
        QVERIFY(s.quiz->Label10->isVisible());
        s.answer(s.rightOption());
        QVERIFY(!s.quiz->lblhint->isVisible());
        s.next();
        QVERIFY(s.quiz->lblhint->isVisible());
    }

    void theQuestionShowsTheWordsCard_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("difficulty");
        QTest::addColumn<QString>("reads");
        QTest::addColumn<QString>("group");
        QTest::newRow("easy") << "abase"
                              << "Easy"
                              << "0"
                              << "1";
        QTest::newRow("difficult") << "abate"
                                   << "Difficult"
                                   << "2"
                                   << "1";
        QTest::newRow("very difficult") << "abstruse"
                                        << "Very Difficult"
                                        << "5"
                                        << "2";
        QTest::newRow("very difficult mark alone") << "Laconic"
                                                   << "Easy"
                                                   << "0"
                                                   << "3";
    }
    void theQuestionShowsTheWordsCard() {
        // A refined selection of one word: one question, three options left empty.
        QFETCH(QString, name);
        QFETCH(QString, difficulty);
        QFETCH(QString, reads);
        QFETCH(QString, group);
        Session s(FixtureDb::defaultWords(), QStringLiteral("name = '%1'").arg(name));
        QCOMPARE(s.quiz->lblPocket->text(), QStringLiteral("1"));
        QCOMPARE(s.quiz->Label1->text(), name);
        QCOMPARE(s.quiz->lblDiffLevel->text(), difficulty);
        QCOMPARE(s.quiz->Label5->text(), reads);
        QCOMPARE(s.quiz->Label9->text(), group);
        QCOMPARE(s.quiz->Label7->text(), s.form->Label12->text());
        int empty = 0;
        for (int i = 0; i < 4; ++i) {
            QuizOption* option = s.quiz->Option1[size_t(i)];
            if (i == s.quiz->correctIndex) {
                QCOMPARE(option->text(), QStringLiteral("meaning of ") + name);
                QVERIFY(option->isEnabled());
            } else {
                QVERIFY(option->text().isEmpty());
                QVERIFY(!option->isEnabled());
                ++empty;
            }
        }
        QCOMPARE(empty, 3);
        s.answer(s.rightOption());
        QCOMPARE(s.quiz->Label2->text(), QStringLiteral("CORRECT"));
        s.next();
        QCOMPARE(s.messages.requests.size(), 1);
        QTest::mouseClick(s.quiz->speakButton, Qt::LeftButton);
        QCOMPARE(s.speech.spoken, QStringList{name});
    }

    void aSharedMeaningIsNeverAWrongOption() {
        Session s(
            {word("aa", "same"), word("bb", "same"), word("cc", "other"), word("dd", "same")});
        for (int question = 0; question < 4; ++question) {
            QStringList shown;
            for (QuizOption* option : s.quiz->Option1)
                if (!option->text().isEmpty())
                    shown << option->text();
            const QString right = s.quiz->Option1[size_t(s.quiz->correctIndex)]->text();
            QCOMPARE(shown.count(right), 1);
            QCOMPARE(shown.size(), 2); // "same" and "other", nothing more to offer
            QTest::mouseClick(s.quiz->Option1[size_t(s.quiz->correctIndex)], Qt::LeftButton);
            QTest::mouseClick(s.quiz->verifyButton, Qt::LeftButton);
            s.next();
        }
    }

    void theKeyboardPlaysTheQuiz() {
        Session s;
        s.quiz->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.quiz));
        const int right = s.rightOption();
        QTest::keyClick(s.quiz, Qt::Key(Qt::Key_1 + right));
        QVERIFY(s.quiz->Option1[size_t(right)]->isChecked());
        QTest::keyClick(s.quiz, Qt::Key_Return);
        QCOMPARE(s.quiz->Label2->text(), QStringLiteral("CORRECT"));
        const QString before = s.quiz->Label1->text();
        QTest::keyClick(s.quiz, Qt::Key_Return);
        QCOMPARE(s.quiz->Label2->text(), QString());
        QVERIFY(s.quiz->Label1->text() != before);
        QTest::keyClick(s.quiz, Qt::Key_F2);
        QVERIFY(s.quiz->lblhint->isHidden());
        s.quiz->close();
        QCOMPARE(s.messages.texts(), QStringList{"Accuracy: 100%. Splendid! "});
        QVERIFY(s.form->isEnabled());
    }

    void closingBeforeAnyAnswerGivesNoGrade() {
        Session s;
        s.quiz->close();
        QVERIFY(s.messages.requests.isEmpty());
        QVERIFY(s.form->isEnabled());
        // The toolbar opens a fresh quiz afterwards.
        QTRY_VERIFY(!s.quiz);
        s.form->Toolbar1_ButtonClick(QStringLiteral("Quiz"));
        QVERIFY(!s.form->isEnabled());
    }

    void anEmptySelectionEndsAtOnce() {
        Session s(FixtureDb::defaultWords(), QStringLiteral("name = 'nothing'"));
        QCOMPARE(s.quiz->lblPocket->text(), QStringLiteral("0"));
        QCOMPARE(s.messages.requests.size(), 1);
        QVERIFY(s.messages.requests.first().text.startsWith("All Words in your set"));
        for (QuizOption* option : s.quiz->Option1)
            QVERIFY(option->text().isEmpty());
        s.quiz->close();
        QVERIFY(s.form->isEnabled());
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_frmtest.moc"
