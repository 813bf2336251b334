#include "ProgramLauncher.h"

#include <QProcess>

namespace {
std::unique_ptr<ProgramLauncher>& instance() {
    static std::unique_ptr<ProgramLauncher> launcher;
    return launcher;
}
} // namespace

ProgramLauncher& ProgramLauncher::global() {
    if (!instance())
        instance() = std::make_unique<SystemLauncher>();
    return *instance();
}

void ProgramLauncher::setGlobal(std::unique_ptr<ProgramLauncher> launcher) {
    instance() = std::move(launcher);
}

bool SystemLauncher::startDetached(const QString& program, const QStringList& arguments,
                                   const QString& workingDirectory) {
    return QProcess::startDetached(program, arguments, workingDirectory);
}
