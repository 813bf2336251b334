// Runs the main window in a process of its own, offscreen, over the database in the current
// directory, and studies words as a learner would, for the tests that kill it or starve it.
//   verbaloom_driver mark-loop   marks, steps and flips marks until killed, printing
//                                "ack <id> <readcount> <bookmark>" after each stored change
//   verbaloom_driver mark <n>    marks the shown word n times, then ends
// Every message box is printed as "message: <text>" and answered with its default.
#include "app/basRegistry.h"
#include "app/Random.h"
#include "data/DataSource.h"
#include "data/Recordset.h"
#include "study/Form1.h"
#include "support/Fakes.h"

#include <cstdio>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

namespace {
void ack(Form1& form) {
    Recordset* rs = form.recordset();
    if (!rs || !rs->hasCurrent())
        return;
    std::printf("ack %lld %lld %d\n", rs->currentId(), rs->value("readcount").toLongLong(),
                rs->value("bookmark").toBool() ? 1 : 0);
    std::fflush(stdout);
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
    Form1 form(&speech, &screen);
    form.Form_Load();
    form.show();
    if (command == QLatin1String("mark")) {
        const int times = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1;
        for (int i = 0; i < times; ++i) {
            form.studiedit->click();
            ack(form);
        }
        return 0;
    }
    if (command == QLatin1String("mark-loop")) {
        for (;;) {
            form.Command10[1]->click();
            if (!form.recordset() || !form.recordset()->hasCurrent())
                form.cmdRandomWord->click();
            form.studiedit->click();
            ack(form);
            form.chkDiff[0]->click();
            ack(form);
        }
    }
    std::fprintf(stderr, "usage: verbaloom_driver mark-loop | mark <n>\n");
    return 2;
}
