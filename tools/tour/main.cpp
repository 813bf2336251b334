// VerbaloomTour: the guided tour for new learners, started from Verbaloom's Tutorial menu.
#include "TourWindow.h"

#include "app/Settings.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The learner's choice of appearance is kept in Verbaloom's own settings.
    QApplication::setApplicationName(QStringLiteral("verbaloom"));
    const AppSettings::Appearance appearance = AppSettings::appearance();
    QApplication::setApplicationName(QStringLiteral("VerbaloomTour"));
    QApplication::setApplicationDisplayName(QStringLiteral("Verbaloom Tour"));
    QApplication::setWindowIcon(Look::icon(Look::Icon::App));
    Look::applyAppearance(appearance);
    Look::keepWindowsOnScreen();
    TourWindow tour;
    // Fills the screen also where no window manager maximizes it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        tour.setGeometry(screen->availableGeometry());
    tour.showMaximized();
    tour.activateWindow();
    return app.exec();
}
