// Windows kept on the screen, whatever its size and scale: a window that would reach past the
// screen's edge is made smaller (never below what its layout needs) and moved onto it.
#include "Look.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace Look {

namespace {

// Room a desktop's frame takes around a window: the title bar above, a border elsewhere.
constexpr int kTitleBar = 32;
constexpr int kBorder = 2;

class ScreenFit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            if (auto* w = static_cast<QWidget*>(watched); w->isWindow())
                fitToScreen(w);
        return false;
    }
};

} // namespace

void fitToScreen(QWidget* window) {
    if (window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip ||
        window->isMaximized() || window->isFullScreen())
        return;
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.top() < kTitleBar) // not known before the desktop has framed it once
        frame = QMargins(kBorder, kTitleBar, kBorder, kBorder);
    const QSize room(area.width() - frame.left() - frame.right(),
                     area.height() - frame.top() - frame.bottom());
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    const QSize framed = size.grownBy(frame);
    QPoint at = outer.topLeft();
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - framed.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - framed.height())));
    if (at != outer.topLeft())
        window->move(at);
}

void keepWindowsOnScreen() {
    static ScreenFit* fit = nullptr;
    if (!fit) {
        fit = new ScreenFit(qApp);
        qApp->installEventFilter(fit);
    }
}

} // namespace Look
