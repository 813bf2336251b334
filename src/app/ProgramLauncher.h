#pragma once

#include <memory>
#include <QString>
#include <QStringList>

// Starts another program without waiting for it or talking to it. The program uses the
// system's process start; tests put a recording one in its place.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Whether the program could be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingDirectory) = 0;

    static ProgramLauncher& global();
    // Replaces it (tests); null restores the system's.
    static void setGlobal(std::unique_ptr<ProgramLauncher> launcher);
};

class SystemLauncher : public ProgramLauncher {
public:
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory) override;
};
