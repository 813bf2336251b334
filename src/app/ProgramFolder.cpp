#include "ProgramFolder.h"

#include <QCoreApplication>

namespace ProgramFolder {
namespace {
QString& overridden() {
    static QString folder;
    return folder;
}
} // namespace

QString path() {
    return overridden().isEmpty() ? QCoreApplication::applicationDirPath() : overridden();
}

void setPath(const QString& folder) {
    overridden() = folder;
}

QString file(const QString& name) {
    return path() + u'/' + name;
}

} // namespace ProgramFolder
