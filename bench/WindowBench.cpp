#include "WindowBench.h"

#include "app/Settings.h"
#include "data/Database.h"
#include "ui/MessageBox.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QStandardPaths>

LargeMainWindow::LargeMainWindow() : db(Words) {
    session = std::make_unique<StudySession>(ConnectionStrings::Shared);
    form = std::make_unique<MainWindow>(*session, speech, &screen);
    form->load();
    form->show();
    QApplication::processEvents();
}

LargeMainWindow::~LargeMainWindow() {
    form.reset();
    session.reset();
}

namespace {
// Made on first use, and let go before the application object: a window that outlives it
// crashes at exit.
std::unique_ptr<LargeMainWindow> large;
} // namespace

LargeMainWindow& largeMainWindow() {
    if (!large)
        large = std::make_unique<LargeMainWindow>();
    return *large;
}

int runWindowBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("verbaloom"));
    QStandardPaths::setTestModeEnabled(true);
    // Start-up is timed up to the window, not the learner's time with the modal tip.
    AppSettings::SaveSetting(AppSettings::AppName, AppSettings::OptionsSection,
                             AppSettings::ShowTipsKey, QStringLiteral("0"));
    MessageBox::setHandler([](const MessageBox::Request& r) {
        return r.defaultButton != QMessageBox::NoButton ? r.defaultButton : QMessageBox::Ok;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    large.reset();
    return 0;
}
