#include "StartModule.h"

#include "data/Database.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

QSize SystemDisplayModes::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // The resolution is in the screen's own pixels: a desktop at 150% or 200% on a wide
    // screen is wide enough, though its windows count fewer, larger pixels.
    return screen ? (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize()
                  : QSize(1024, 768);
}

void SystemDisplayModes::changeResolution(int width, int height) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // Refusals are not reported; the screen simply stays as it is.
    QProcess::execute(QStringLiteral("xrandr"),
                      {QStringLiteral("-s"), QStringLiteral("%1x%2").arg(width).arg(height)});
}

namespace StartModule {

float savedScreenWidth = -1;
float savedScreenHeight = -1;

void GetScreenSize(const DisplayModes& modes) {
    const QSize size = modes.screenSize();
    savedScreenHeight = float(size.height());
    savedScreenWidth = float(size.width());
}

bool needsResolutionChange(float width) {
    return width < 1024;
}

void ChangeResolution(DisplayModes& modes, float width, float height) {
    modes.changeResolution(int(width), int(height));
}

void restoreResolution(DisplayModes& modes) {
    if (savedScreenWidth != -1)
        ChangeResolution(modes, savedScreenWidth, savedScreenHeight);
}

} // namespace StartModule

QString SingleInstance::defaultLockPath() {
    const QString database = ConnectionSettings::parse(ConnectionStrings::Shared).dataSource;
    return QFileInfo(database).absoluteFilePath() + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // Age never makes a lock stale; a lock whose process is gone is taken over.
    lock_.setStaleLockTime(0);
    locked_ = lock_.tryLock(0) || lock_.error() == QLockFile::PermissionError;
}
