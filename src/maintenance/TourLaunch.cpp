#include "TourLaunch.h"

#include "app/ProgramLauncher.h"

#include <QDir>
#include <QFileInfo>

namespace TourLaunch {

QString programPath(const QString& folder) {
    return folder + u'/' + ProgramName;
}

Outcome start(ProgramLauncher& launcher, const QString& folder) {
    const QString path = programPath(folder);
    if (!QFileInfo(path).isFile())
        return Outcome::Missing;
    return launcher.startDetached(path, {}, folder) ? Outcome::Started : Outcome::Failed;
}

QString message(Outcome outcome, const QString& folder) {
    const QString path = QDir::toNativeSeparators(programPath(folder));
    switch (outcome) {
    case Outcome::Missing:
        return QStringLiteral("The Verbaloom tour is not installed.\r\n\r\nIt should be the "
                              "program %1, beside Verbaloom.")
            .arg(path);
    case Outcome::Failed:
        return QStringLiteral("The Verbaloom tour could not be started.\r\n\r\n%1").arg(path);
    case Outcome::Started:
        break;
    }
    return {};
}

} // namespace TourLaunch
