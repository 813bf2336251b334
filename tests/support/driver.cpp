// Runs the main window in a process of its own, offscreen, over the database in the current
// directory, and studies words as a learner would, for the tests that kill it or starve it.
//   verbaloom_driver mark-loop   marks, steps and flips marks until killed, printing
//                                "ack <id> <readcount> <bookmark>" after each stored change
//   verbaloom_driver mark <n>    marks the shown word n times, then ends
// Every message box is printed as "message: <text>" and answered with its default.
#include "app/Settings.h"
#include "app/Random.h"
#include "data/Database.h"
#include "study/MainWindow.h"
#include "study/StudySession.h"
#include "support/Fakes.h"

#include <cstdio>
#include <QApplication>
#include <QAbstractButton>
#include <QDir>
#include <QFile>

namespace {
void ack(const StudySession& session) {
    const Word& word = session.currentWord();
    if (!word.isValid())
        return;
    std::printf("ack %lld %d %d\n", word.id, word.readCount, word.difficult ? 1 : 0);
    std::fflush(stdout);
}

void click(const MainWindow& form, const char* name) {
    form.findChild<QAbstractButton*>(QLatin1String(name))->click();
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings of its own in the test's folder, without the modal tip of the day at start.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir::currentPath() + QStringLiteral("/config")));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("verbaloom"));
    AppSettings::SaveSetting(AppSettings::AppName, AppSettings::OptionsSection,
                             AppSettings::ShowTipsKey, QStringLiteral("0"));
    MessageBox::setHandler([](const MessageBox::Request& r) {
        std::printf("message: %s\n", qPrintable(QString(r.text).replace("\r\n", " | ")));
        std::fflush(stdout);
        return r.defaultButton != QMessageBox::NoButton ? r.defaultButton : QMessageBox::Ok;
    });
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    RecordingSpeech speech;
    FakeDisplayModes screen(QSize(1280, 1024));
    StudySession session(ConnectionStrings::Shared);
    MainWindow form(session, speech, &screen);
    form.load();
    form.show();
    if (command == QLatin1String("mark")) {
        const int times = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1;
        for (int i = 0; i < times; ++i) {
            click(form, "studiedit");
            ack(session);
        }
        return 0;
    }
    if (command == QLatin1String("mark-loop")) {
        for (;;) {
            click(form, "Command10_1");
            if (!session.currentWord().isValid())
                click(form, "cmdRandomWord");
            click(form, "studiedit");
            ack(session);
            click(form, "chkDiff_0");
            ack(session);
        }
    }
    std::fprintf(stderr, "usage: verbaloom_driver mark-loop | mark <n>\n");
    return 2;
}
