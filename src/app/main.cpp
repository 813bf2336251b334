// The program's entry: one instance, a screen of at least 1024 pixels, the main window; or,
// with --import / --export, a word-list transfer, or with --update-words, the learner's copy
// brought up to a newer shipped word list, without a window.
#include "app/StartModule.h"
#include "app/UpdateWordsCommand.h"
#include "data/Database.h"
#include "data/Speech.h"
#include "study/MainWindow.h"
#include "study/StudySession.h"
#include "transfer/TransferCommand.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStandardPaths>

#include <future>

#include <sys/stat.h>

namespace {

int Main(QApplication& app, const SingleInstance& instance,
         std::future<std::shared_ptr<Connection>>& warm) {
    if (!instance.isFirst()) {
        MessageBox::info(nullptr, StartModule::AlreadyRunning);
        return 0;
    }

    SystemDisplayModes displayModes;
    StartModule::GetScreenSize(displayModes);
    if (!StartModule::needsResolutionChange(StartModule::savedScreenWidth)) {
        StartModule::savedScreenWidth = -1;
    } else {
        MessageBox::plain(nullptr, StartModule::ChangingResolution);
        StartModule::ChangeResolution(displayModes, 1024, 768);
    }

    EspeakSpeech speech;
    StudySession session(ConnectionStrings::Shared);
    MainWindow main(session, speech, &displayModes);
    main.load();
    warm.get();
    main.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    // The learner's progress, its backups, the lock and the settings are the learner's alone.
    ::umask(S_IRWXG | S_IRWXO);
    // Checked before anything else is set up, so a second start ends at once; the first
    // derives the database key on another thread while the windows are being built.
    const SingleInstance instance;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (UpdateWordsCommand::wanted(arguments)) {
        const QCoreApplication app(argc, argv);
        return UpdateWordsCommand::run(arguments, !instance.isFirst(), stdout, stderr);
    }
    if (TransferCommand::wanted(arguments)) {
        const QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("verbaloom"));
        return TransferCommand::run(arguments, !instance.isFirst(), stdout, stderr);
    }
    // Starts after the first skip deriving the database key (Database.cpp says why that
    // weakens nothing).
    Connection::rememberKeysIn(
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
        QStringLiteral("/verbaloom/keys"));
    std::future<std::shared_ptr<Connection>> warm;
    if (instance.isFirst())
        warm = Connection::openInBackground(ConnectionStrings::Shared);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("verbaloom"));
    QApplication::setApplicationDisplayName(QStringLiteral("Verbaloom"));
    Look::skipFallbackIconTheme();
    QApplication::setWindowIcon(Look::icon(Look::Icon::App));
    Look::applyStoredAppearance();
    Look::keepWindowsOnScreen();
    return Main(app, instance, warm);
}
