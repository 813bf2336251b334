// The quiz window driven as a learner would: picking, verifying, the verdict colours, the
// score, a whole pass, the usage hint, a new pass, the grade when it closes; an empty
// selection, long meanings, and the quiz closed from outside under its own message.
#include "quiz/QuizOptionsPanel.h"
#include "quiz/QuizWindow.h"
#include "selection/MainToolbar.h"
#include "selection/RefineSelectionDialog.h"
#include "support/MainWindowSession.h"
#include "support/WhenModal.h"

#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QtTest>

namespace {

WordRow word(const QString& name, const QString& meaning) {
    WordRow r;
    r.name = name;
    r.meaning = meaning;
    r.example = QStringLiteral("Use %1 --- here.").arg(name);
    return r;
}

// Closes every modal window that comes up for a while, recording the messages' texts.
void closeModals(QStringList* texts = nullptr) {
    auto* timer = new QTimer(&modalWaits());
    QObject::connect(timer, &QTimer::timeout, [texts] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* box = qobject_cast<QMessageBox*>(modal); box && texts)
                *texts << box->text();
            modal->close();
        }
    });
    timer->start(10);
}

// A started main window with the quiz opened from the toolbar, drawing from a seeded
// sequence; the selection refined first when asked.
struct Session : MainWindowSession {
    explicit Session(const std::vector<WordRow>& words = FixtureDb::defaultWords(),
                     const QString& refinement = QString())
        : MainWindowSession(words, std::make_unique<SeededRandom>(11)) {
        if (!refinement.isEmpty())
            session->applyRefinement(refinement);
        toolbar(MainToolbar::Quiz);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* q = qobject_cast<QuizWindow*>(w); q && q->isVisible())
                quiz = q;
    }
    template <class T = QWidget> T* in(const QString& name) const {
        return control<T>(quiz.data(), name);
    }
    QString shown(const QString& name) const { return textOf(in(name)); }
    QuizOption* option(int i) const { return in<QuizOption>(QStringLiteral("Option1_%1").arg(i)); }
    QPushButton* button(const char* name) const { return in<QPushButton>(name); }
    // The option that holds the right meaning, found by its text as a learner would.
    int rightOption() const {
        for (int i = 0; i < 4; ++i)
            if (option(i)->text() == QStringLiteral("meaning of ") + shown("Label1"))
                return i;
        return -1;
    }
    int wrongOption() const {
        for (int i = 0; i < 4; ++i)
            if (i != rightOption() && option(i)->isEnabled())
                return i;
        return -1;
    }
    void answer(int i) const {
        QTest::mouseClick(option(i), Qt::LeftButton);
        QTest::mouseClick(button("verifyButton"), Qt::LeftButton);
    }
    void next() const { QTest::mouseClick(button("nextButton"), Qt::LeftButton); }

    QPointer<QuizWindow> quiz;
};

} // namespace

class TestQuizWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }
    void cleanup() { qDeleteAll(modalWaits().children()); }

    void rightAndWrongAnswersAreColouredScoredAndGraded() {
        Session s;
        QVERIFY(s.quiz);
        QVERIFY(!s.form->isEnabled());
        QVERIFY(s.session->isHeld());
        QCOMPARE(s.quiz->windowTitle(), QStringLiteral("Quiz"));
        QCOMPARE(s.shown("lblPocket"), QStringLiteral("8"));
        QVERIFY(!s.button("verifyButton")->isEnabled());
        QVERIFY(!s.button("nextButton")->isEnabled());
        // The main window stands on the last wrong option's word, not on the answer.
        const int right = s.rightOption();
        QCOMPARE(s.text("Text2"), s.option(right == 3 ? 2 : 3)->text());

        QTest::mouseClick(s.option(right), Qt::LeftButton);
        QVERIFY(s.button("verifyButton")->isEnabled());
        QVERIFY(!s.button("nextButton")->isEnabled());
        QTest::mouseClick(s.button("verifyButton"), Qt::LeftButton);
        QCOMPARE(s.shown("Label2"), QStringLiteral("CORRECT"));
        QCOMPARE(s.shown("Label3"), QStringLiteral("1 / 1 : 100%"));
        QCOMPARE(s.option(right)->textColour(), Look::colour(Look::Colour::Right));
        QVERIFY(!s.button("verifyButton")->isEnabled());
        QVERIFY(s.button("nextButton")->isEnabled());
        // Picking another option once verified changes nothing else.
        QTest::mouseClick(s.option(s.wrongOption()), Qt::LeftButton);
        QVERIFY(!s.button("verifyButton")->isEnabled());

        s.next();
        QCOMPARE(s.shown("Label2"), QString());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!s.option(i)->textColour().isValid());
            QVERIFY(!s.option(i)->isChecked());
        }
        const int wrong = s.wrongOption();
        const int rightNow = s.rightOption();
        s.answer(wrong);
        QCOMPARE(s.shown("Label2"), QStringLiteral("INCORRECT"));
        QCOMPARE(s.option(wrong)->textColour(), Look::colour(Look::Colour::Wrong));
        QCOMPARE(s.option(rightNow)->textColour(), Look::colour(Look::Colour::Right));
        QCOMPARE(s.shown("Label3"), QStringLiteral("1 / 2 : 50%"));

        s.next();
        s.answer(s.rightOption());
        QCOMPARE(s.shown("Label3"), QStringLiteral("2 / 3 : 66%"));

        s.quiz->close();
        QCOMPARE(s.messages.requests.size(), 1);
        const MessageBox::Request grade = s.messages.requests.first();
        QCOMPARE(grade.text, QStringLiteral("Accuracy: 66%. Good. You can do much better"));
        QCOMPARE(grade.title, QStringLiteral("ScoreEvaluation - Verbaloom!"));
        QCOMPARE(grade.icon, QMessageBox::Information);
        QCOMPARE(grade.alignment, Qt::AlignRight);
        QVERIFY(s.form->isEnabled());
        QVERIFY(!s.session->isHeld());
        QTRY_VERIFY(!s.quiz); // gone once closed
        // The toolbar opens a fresh quiz afterwards.
        s.toolbar(MainToolbar::Quiz);
        QVERIFY(!s.form->isEnabled());
    }

    void aPassAsksEveryWordOnceThenANewPassBegins() {
        Session s;
        s.find<QAbstractButton>("chkPLock")->click(); // "Always Pronounce"
        const int wordsGoneThrough = s.find<QListWidget>("lstRead")->count();
        QSet<QString> asked{s.shown("Label1")};
        for (int i = 1; i < 8; ++i) {
            s.answer(s.rightOption());
            s.next();
            QVERIFY2(!asked.contains(s.shown("Label1")), qPrintable(s.shown("Label1")));
            asked.insert(s.shown("Label1"));
        }
        QCOMPARE(asked.size(), 8);
        QVERIFY(s.messages.requests.isEmpty());
        const QString last = s.shown("Label1");
        s.answer(s.wrongOption());
        s.next();
        QCOMPARE(s.messages.texts(),
                 QStringList{"All Words in your set have been considered for the Quiz\r\n\r\n"
                             "You can customize your Quiz to include another set of words"});
        QCOMPARE(s.shown("Label1"), last);
        // Drawing quiz words is not studying them: nothing joined the list, nothing was read.
        QCOMPARE(s.find<QListWidget>("lstRead")->count(), wordsGoneThrough);
        QVERIFY(s.speech.spoken.isEmpty());

        // A new pass from "Word Selection": the same words may come again, the score goes on.
        QTest::mouseClick(s.in("lblhint"), Qt::LeftButton);
        whenModal([](QWidget* modal) { modal->close(); });
        QTest::mouseClick(s.button("speButton_0"), Qt::LeftButton);
        QCOMPARE(s.shown("lblPocket"), s.text("Label10_0"));
        QVERIFY(!s.button("verifyButton")->isEnabled());
        QVERIFY(!s.button("nextButton")->isEnabled());
        QVERIFY(s.in("lblhint")->isHidden()); // left as it was
        s.answer(s.rightOption());
        QCOMPARE(s.shown("Label3"), QStringLiteral("8 / 9 : 88%"));

        // "Refine Selection" to the difficult words, over the quiz: a pass of two.
        const bool refined = MainWindowSession::withModal<RefineSelectionDialog>(
            [&] { QTest::mouseClick(s.button("speButton_1"), Qt::LeftButton); },
            [&](RefineSelectionDialog* w) {
                QCOMPARE(w->parentWidget(), s.quiz.data());
                MainWindowSession::click(control<QAbstractButton>(w, "Option1_0"));
                QTest::mouseClick(control(w, "cmdClose"), Qt::LeftButton);
            });
        QVERIFY(refined);
        QCOMPARE(s.shown("lblPocket"), QStringLiteral("2"));
        QSet<QString> difficult{s.shown("Label1")};
        s.answer(s.rightOption());
        s.next();
        difficult.insert(s.shown("Label1"));
        QCOMPARE(difficult, (QSet<QString>{"abate", "obdurate"}));
        s.messages.clear();
        s.answer(s.rightOption());
        s.next();
        QCOMPARE(s.messages.requests.size(), 1);
        QCOMPARE(s.shown("Label3"), QStringLiteral("10 / 11 : 90%"));
    }

    void theQuestionShowsTheWordsCard_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("difficulty");
        QTest::addColumn<QString>("reads");
        QTest::addColumn<QString>("lastRead");
        QTest::addColumn<QString>("list");
        QTest::newRow("easy, never read") << "abase"
                                          << "Easy"
                                          << "0"
                                          << ""
                                          << "1";
        QTest::newRow("difficult") << "abate"
                                   << "Difficult"
                                   << "2"
                                   << "15/Mar/04"
                                   << "1";
        QTest::newRow("very difficult") << "abstruse"
                                        << "Very Difficult"
                                        << "5"
                                        << "31/Dec/04"
                                        << "2";
        QTest::newRow("very difficult mark alone") << "Laconic"
                                                   << "Easy"
                                                   << "0"
                                                   << ""
                                                   << "3";
    }
    void theQuestionShowsTheWordsCard() {
        // A refined selection of one word: one question, three options out of reach.
        QFETCH(QString, name);
        QFETCH(QString, difficulty);
        QFETCH(QString, reads);
        QFETCH(QString, lastRead);
        QFETCH(QString, list);
        Session s(FixtureDb::defaultWords(), QStringLiteral("name = '%1'").arg(name));
        QCOMPARE(s.shown("lblPocket"), QStringLiteral("1"));
        QCOMPARE(s.shown("Label1"), name);
        QCOMPARE(s.shown("lblDiffLevel"), difficulty);
        QCOMPARE(s.shown("Label5"), reads);
        QCOMPARE(s.shown("Label7"), lastRead);
        QCOMPARE(s.shown("Label9"), list);
        const int right = s.rightOption();
        QVERIFY(right >= 0);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(s.option(i)->isEnabled(), i == right);
            QCOMPARE(s.option(i)->text().isEmpty(), i != right);
        }
        s.answer(right);
        QCOMPARE(s.shown("Label2"), QStringLiteral("CORRECT"));
        s.next();
        QCOMPARE(s.messages.requests.size(), 1);
        QTest::mouseClick(s.button("speakButton"), Qt::LeftButton);
        QCOMPARE(s.speech.spoken, QStringList{name});
    }

    void aSharedMeaningIsNeverAWrongOption() {
        Session s(
            {word("aa", "same"), word("bb", "same"), word("cc", "other"), word("dd", "same")});
        for (int question = 0; question < 4; ++question) {
            QStringList offered;
            int right = -1;
            for (int i = 0; i < 4; ++i)
                if (s.option(i)->isEnabled()) {
                    offered << s.option(i)->text();
                    right = s.option(i)->text() == (s.shown("Label1") == "cc" ? "other" : "same")
                                ? i
                                : right;
                }
            QCOMPARE(offered.size(), 2); // "same" and "other", nothing more to offer
            QCOMPARE(QSet<QString>(offered.begin(), offered.end()),
                     (QSet<QString>{"same", "other"}));
            s.answer(right);
            QCOMPARE(s.shown("Label2"), QStringLiteral("CORRECT"));
            s.next();
        }
    }

    void theKeyboardPlaysTheQuiz() {
        Session s;
        s.quiz->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.quiz));
        QVERIFY(s.in("lblhint")->isVisible());
        QCOMPARE(s.shown("lblhint"), QStringLiteral("Click here to get a hint if any."));
        QCOMPARE(s.in("lblhint")->geometry(), s.in("Label10")->geometry());
        QCOMPARE(s.shown("Label10"),
                 s.db.scalar("select example from words where name = '" + s.shown("Label1") + "'")
                     .toString());
        const int right = s.rightOption();
        QTest::keyClick(s.quiz, Qt::Key(Qt::Key_1 + right));
        QVERIFY(s.option(right)->isChecked());
        QTest::keyClick(s.quiz, Qt::Key_F2);
        QVERIFY(s.in("lblhint")->isHidden());
        QTest::keyClick(s.quiz, Qt::Key_Return);
        QCOMPARE(s.shown("Label2"), QStringLiteral("CORRECT"));
        QVERIFY(s.in("lblhint")->isHidden());
        const QString before = s.shown("Label1");
        QTest::keyClick(s.quiz, Qt::Key_Return);
        QCOMPARE(s.shown("Label2"), QString());
        QVERIFY(s.shown("Label1") != before);
        QVERIFY(s.in("lblhint")->isVisible()); // covered again for the next word
        s.quiz->close();
        QCOMPARE(s.messages.texts(), QStringList{"Accuracy: 100%. Splendid! "});
        QVERIFY(s.form->isEnabled());
    }

    void nothingToAskMeansNothingToAnswer_data() {
        QTest::addColumn<bool>("questionsBefore");
        QTest::newRow("from the start") << false;
        QTest::newRow("after a pass with questions") << true;
    }
    void nothingToAskMeansNothingToAnswer() {
        QFETCH(bool, questionsBefore);
        const QString nothing = QStringLiteral("name = 'nothing'");
        Session s(FixtureDb::defaultWords(), questionsBefore ? QString() : nothing);
        if (questionsBefore) {
            s.answer(s.rightOption());
            MainWindowSession::withModal<RefineSelectionDialog>(
                [&] { QTest::mouseClick(s.button("speButton_1"), Qt::LeftButton); },
                [&](RefineSelectionDialog* w) {
                    QTest::keyClicks(control(w, "Text1_0"), QStringLiteral("nothing"));
                });
        }
        QCOMPARE(s.shown("lblPocket"), QStringLiteral("0"));
        QCOMPARE(s.messages.requests.size(), 1);
        QVERIFY(s.messages.requests.first().text.startsWith("All Words in your set"));
        // No option can be picked, by the mouse or the keys; so nothing can be verified.
        s.quiz->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.quiz));
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(s.option(i), Qt::LeftButton);
            QTest::keyClick(s.quiz, Qt::Key(Qt::Key_1 + i));
            QVERIFY(!s.option(i)->isChecked());
            QVERIFY(!s.option(i)->isEnabled());
        }
        QTest::keyClick(s.quiz, Qt::Key_Return);
        QVERIFY(!s.button("verifyButton")->isEnabled());
        QCOMPARE(s.shown("Label3"), questionsBefore ? QStringLiteral("1 / 1 : 100%") : QString());
        s.messages.clear();
        s.quiz->close();
        QCOMPARE(s.messages.texts(),
                 questionsBefore ? QStringList{"Accuracy: 100%. Splendid! "} : QStringList{});
        QVERIFY(s.form->isEnabled());
        QVERIFY(!s.session->isHeld());
    }

    void longMeaningsShowWhole_data() {
        QTest::addColumn<bool>("smallest");
        QTest::addColumn<QString>("meaning");
        const QString sentence = QStringLiteral(
            "to lessen in force or intensity, as a storm, a pain or a noise does over time ");
        const QString lines2 = sentence.repeated(2);
        const QString lines4 = sentence.repeated(4);
        const QString oneWord = QString(120, u'x');
        for (bool smallest : {false, true}) {
            const char* size = smallest ? "minimum size" : "default size";
            QTest::addRow("%s, two lines", size) << smallest << lines2;
            QTest::addRow("%s, four lines", size) << smallest << lines4;
            QTest::addRow("%s, one long word", size) << smallest << oneWord;
            QTest::addRow("%s, lines of its own", size) << smallest << "one\r\ntwo\nthree";
        }
    }
    void longMeaningsShowWhole() {
        QFETCH(bool, smallest);
        QFETCH(QString, meaning);
        std::vector<WordRow> words;
        for (const char* name : {"abase", "abate", "abstruse", "acerbic", "venal"})
            words.push_back(word(name, QStringLiteral("%1: %2").arg(name, meaning)));
        Session s(words);
        if (smallest)
            s.quiz->resize(s.quiz->minimumSize());
        QTest::qWait(50);
        auto* scroll = s.quiz->findChild<QScrollArea*>();
        QVERIFY(scroll);
        for (int i = 0; i < 4; ++i) {
            QuizOption* option = s.option(i);
            scroll->ensureWidgetVisible(option, 0, 0);
            QTest::qWait(10);
            // Tall enough for its wrapped lines, by its own measure and by a plain one.
            const QRect wrapped = QFontMetrics(option->font())
                                      .boundingRect(QRect(0, 0, option->width(), 100000),
                                                    Qt::TextWrapAnywhere, option->text());
            QVERIFY2(
                option->height() >= wrapped.height(),
                qPrintable(QStringLiteral("%1 < %2").arg(option->height()).arg(wrapped.height())));
            QVERIFY(option->height() >= option->heightForWidth(option->width()));
            // And not cut by the box around it.
            QCOMPARE(option->visibleRegion().boundingRect(), option->rect());
        }
    }

    void closedFromOutsideUnderItsOwnMessage() {
        // The real message boxes: the end-of-pass message is up when the quiz is closed, and
        // the grade then shows over it.
        Session s(FixtureDb::defaultWords(), QStringLiteral("name = 'abase'"));
        s.answer(s.rightOption());
        MessageBox::setHandler(nullptr);
        QString first;
        QStringList later;
        whenModal([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                first = box->text();
            closeModals(&later);
            s.quiz->close(); // as the main window's close does
        });
        s.next();
        QTRY_VERIFY(!s.quiz);
        QVERIFY(first.startsWith("All Words in your set"));
        QCOMPARE(later, QStringList{"Accuracy: 100%. Splendid! "} << first);
        QVERIFY(s.form->isEnabled());
        QVERIFY(!s.session->isHeld());
        s.toolbar(MainToolbar::Quiz); // and a quiz opens again
        QVERIFY(!s.form->isEnabled());
    }
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
