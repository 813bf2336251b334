// Every window keeps the control names the program is driven and checked by: each name of
// objectnames.txt is in its window exactly once, on a control of the listed kind (or one
// derived from it).
#include "game/HighScoreDialog.h"
#include "game/LetterPickerDialog.h"
#include "game/WordGameWindow.h"
#include "maintenance/AboutDialog.h"
#include "maintenance/AddWordWindow.h"
#include "maintenance/EditWordDialog.h"
#include "maintenance/NoteWindow.h"
#include "maintenance/NoticesDialog.h"
#include "maintenance/TipDialog.h"
#include "quiz/QuizWindow.h"
#include "selection/CalendarDialog.h"
#include "selection/RefineSelectionDialog.h"
#include "selection/WordSelectionDialog.h"
#include "support/MainWindowSession.h"
#include "transfer/ExportWordsDialog.h"
#include "transfer/ImportPreviewDialog.h"
#include "views/NavigateWindow.h"
#include "views/ProgressReportDialog.h"
#include "views/TickerWindow.h"
#include "views/WordListWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

namespace {

using Expected = QMap<QString, QList<std::pair<QString, QString>>>; // window: (class, name)

Expected expected() {
    QFile f(QStringLiteral(VERBALOOM_SOURCE_DIR "/tests/study/objectnames.txt"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("objectnames.txt is missing");
    Expected out;
    QString window;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.trimmed().isEmpty())
            continue;
        if (!line.startsWith(u' ')) {
            window = line.section(u' ', 0, 0);
            continue;
        }
        const QString entry = line.trimmed();
        const qsizetype colon = entry.indexOf(u':');
        out[window].append({entry.left(colon), entry.mid(colon + 1)});
    }
    return out;
}

// The window's own objects and those of its menus, not those of windows on top of it.
QList<QObject*> ownObjects(QWidget* window, const QString& name) {
    QList<QObject*> out;
    for (QObject* o : window->findChildren<QObject*>(name)) {
        QObject* up = o;
        bool inMenu = false;
        for (; up && up != window; up = up->parent())
            inMenu = inMenu || qobject_cast<QMenu*>(up);
        QObject* widget = o;
        while (widget && !widget->isWidgetType())
            widget = widget->parent();
        if (inMenu || (widget && static_cast<QWidget*>(widget)->window() == window))
            out << o;
    }
    return out;
}

} // namespace

class TestObjectNames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestSettings(); }

    void everyWindowKeepsItsNames() {
        MainWindowSession s;
        StudySession& session = *s.session;
        QLineEdit dateBox;
        auto* list = new WordListWindow(session, s.speech, s.form.get());
        const std::vector<std::unique_ptr<QWidget>> windows = [&] {
            std::vector<std::unique_ptr<QWidget>> w;
            w.emplace_back(new WordSelectionDialog(session, s.form.get()));
            w.emplace_back(new RefineSelectionDialog(session, s.form.get()));
            w.emplace_back(new CalendarDialog(&dateBox, s.form.get()));
            w.emplace_back(new QuizWindow(session, s.speech, s.form.get()));
            w.emplace_back(new WordGameWindow(session, s.speech, s.form.get()));
            w.emplace_back(new LetterPickerDialog(s.form.get()));
            w.emplace_back(new HighScoreDialog(s.form.get()));
            w.emplace_back(new TickerWindow(session, s.speech, s.form.get()));
            w.emplace_back(list);
            w.emplace_back(new ProgressReportDialog(s.form.get()));
            w.emplace_back(new AddWordWindow(session, s.form.get()));
            w.emplace_back(new EditWordDialog(session, session.currentWord(), s.form.get()));
            w.emplace_back(new TipDialog(s.form.get()));
            w.emplace_back(new AboutDialog(s.form.get()));
            w.emplace_back(new NoteWindow(s.form.get()));
            w.emplace_back(new NoticesDialog(s.form.get()));
            w.emplace_back(new ImportPreviewDialog(session, QStringLiteral("words.csv"), s.form.get()));
            w.emplace_back(new ExportWordsDialog(session, s.form.get()));
            return w;
        }();
        auto* navigate = new NavigateWindow(session, s.speech, list); // the list's own
        QMap<QString, QWidget*> byName{{s.form->objectName(), s.form.get()},
                                       {navigate->objectName(), navigate}};
        for (const auto& w : windows)
            byName.insert(w->objectName(), w.get());

        const Expected names = expected();
        QCOMPARE(QStringList(byName.keys()), QStringList(names.keys()));
        QStringList faults;
        for (auto it = names.begin(); it != names.end(); ++it) {
            QWidget* window = byName.value(it.key());
            for (const auto& [kind, name] : it.value()) {
                const QList<QObject*> found = ownObjects(window, name);
                if (found.size() != 1)
                    faults << QStringLiteral("%1: %2 x '%3'").arg(it.key()).arg(found.size()).arg(name);
                else if (!found.first()->inherits(kind.toLatin1().constData()))
                    faults << QStringLiteral("%1: '%2' is a %3, not a %4")
                                  .arg(it.key(), name,
                                       QString::fromLatin1(found.first()->metaObject()->className()),
                                       kind);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(TestObjectNames)
#include "tst_objectnames.moc"
