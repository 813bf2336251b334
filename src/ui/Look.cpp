#include "Look.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

// The program's own icon is compiled in, so every window shows it wherever the program runs.
static void initIconResources() {
    Q_INIT_RESOURCE(verbaloom);
}

namespace Look {

int twips(const QWidget* widget, int twips) {
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return int(std::lround(double(twips) * dpi / 1440.0));
}

QFont arial(double pointSize, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

namespace {

const QColor kInk(0x1b, 0x3a, 0x4b);
const QColor kTeal(0x1f, 0x6f, 0x8b);
const QColor kAmber(0xe9, 0xa2, 0x3b);

void paintIcon(QPainter& p, Icon which) {
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(kTeal, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (which) {
    case Icon::Speaker: {
        QPainterPath cone;
        cone.moveTo(4, 12);
        cone.lineTo(9, 12);
        cone.lineTo(15, 6);
        cone.lineTo(15, 26);
        cone.lineTo(9, 20);
        cone.lineTo(4, 20);
        cone.closeSubpath();
        p.setBrush(kTeal);
        p.drawPath(cone);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(12, 10, 8, 12), -50 * 16, 100 * 16);
        p.drawArc(QRectF(12, 6, 14, 20), -50 * 16, 100 * 16);
        break;
    }
    case Icon::Hint: {
        p.setBrush(kAmber);
        p.setPen(QPen(kInk, 1.5));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(kInk);
        QFont f = arial(15, true);
        f.setPixelSize(20);
        p.setFont(f);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Icon::App:
        break; // drawn from its SVG, see icon()
    case Icon::Select:
        p.drawRoundedRect(QRectF(5, 4, 22, 24), 3, 3);
        for (int y = 10; y <= 22; y += 6) {
            p.drawLine(QPointF(9, y), QPointF(11, y + 2));
            p.drawLine(QPointF(11, y + 2), QPointF(14, y - 2));
            p.drawLine(QPointF(17, y), QPointF(23, y));
        }
        break;
    case Icon::Refine: {
        QPainterPath funnel;
        funnel.moveTo(4, 6);
        funnel.lineTo(28, 6);
        funnel.lineTo(19, 17);
        funnel.lineTo(19, 26);
        funnel.lineTo(13, 23);
        funnel.lineTo(13, 17);
        funnel.closeSubpath();
        p.setBrush(QColor(0x1f, 0x6f, 0x8b, 60));
        p.drawPath(funnel);
        break;
    }
    case Icon::Revise:
        p.drawArc(QRectF(6, 6, 20, 20), 40 * 16, 280 * 16);
        p.drawLine(QPointF(22, 4), QPointF(23, 10));
        p.drawLine(QPointF(23, 10), QPointF(17, 10));
        break;
    case Icon::Quiz:
        p.drawRoundedRect(QRectF(4, 5, 24, 18), 4, 4);
        p.drawLine(QPointF(10, 23), QPointF(8, 28));
        p.drawLine(QPointF(8, 28), QPointF(15, 23));
        p.setPen(kAmber);
        p.setFont(arial(11, true));
        p.drawText(QRectF(4, 5, 24, 18), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case Icon::Game:
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i == 1 ? kAmber : QColor(Qt::white));
            p.drawRect(QRectF(3 + i * 9, 10, 8, 10));
        }
        break;
    case Icon::Ticker:
        p.drawRoundedRect(QRectF(3, 8, 26, 16), 3, 3);
        p.setBrush(kAmber);
        p.setPen(Qt::NoPen);
        {
            QPainterPath play;
            play.moveTo(13, 11);
            play.lineTo(21, 16);
            play.lineTo(13, 21);
            play.closeSubpath();
            p.drawPath(play);
        }
        break;
    case Icon::List:
        for (int y = 8; y <= 24; y += 8) {
            p.drawPoint(QPointF(6, y));
            p.drawLine(QPointF(11, y), QPointF(27, y));
        }
        break;
    case Icon::Print:
        p.drawRect(QRectF(9, 4, 14, 8));
        p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 9));
        break;
    case Icon::Report:
        p.setBrush(kAmber);
        p.drawRect(QRectF(6, 16, 5, 11));
        p.setBrush(kTeal);
        p.drawRect(QRectF(14, 9, 5, 18));
        p.setBrush(QColor(0x7f, 0xb0, 0x69));
        p.drawRect(QRectF(22, 4, 5, 23));
        break;
    case Icon::Due: // a calendar leaf with today's tick
        p.drawRoundedRect(QRectF(5, 7, 22, 20), 3, 3);
        p.drawLine(QPointF(5, 13), QPointF(27, 13));
        p.drawLine(QPointF(11, 4), QPointF(11, 9));
        p.drawLine(QPointF(21, 4), QPointF(21, 9));
        p.setPen(QPen(kAmber, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(11, 20), QPointF(15, 23.5), QPointF(22, 16.5)}));
        break;
    }
}

QString themeName(Icon which) {
    switch (which) {
    case Icon::Speaker:
        return QStringLiteral("audio-volume-high");
    case Icon::Select:
        return QStringLiteral("edit-select-all");
    case Icon::Refine:
        return QStringLiteral("view-filter");
    case Icon::Revise:
        return QStringLiteral("view-refresh");
    case Icon::Quiz:
        return QStringLiteral("help-faq");
    case Icon::Game:
        return QStringLiteral("applications-games");
    case Icon::Ticker:
        return QStringLiteral("media-playback-start");
    case Icon::List:
        return QStringLiteral("view-list-details");
    case Icon::Print:
        return QStringLiteral("document-print");
    case Icon::Report:
        return QStringLiteral("x-office-presentation");
    case Icon::Due:
        return QStringLiteral("x-office-calendar");
    default:
        return {};
    }
}

} // namespace

QPixmap appPicture(int size) {
    static const bool loaded = [] {
        initIconResources();
        return true;
    }();
    Q_UNUSED(loaded);
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/icons/verbaloom.svg"));
    QPainter p(&pm);
    svg.render(&p, QRectF(0, 0, size, size));
    return pm;
}

QIcon icon(Icon which) {
    if (which == Icon::App) {
        QIcon app;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            app.addPixmap(appPicture(size));
        return app;
    }
    QIcon drawn;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.scale(size / 32.0, size / 32.0);
        paintIcon(p, which);
        p.end();
        drawn.addPixmap(pm);
    }
    const QString name = themeName(which);
    return name.isEmpty() ? drawn : QIcon::fromTheme(name, drawn);
}

QString styleSheet() {
    // Rules for the study card sit under its frame: control names repeat from window to
    // window, and the other windows are children of the main window.
    return QStringLiteral(R"(
QMainWindow, QDialog { background: #f3f0e8; }
QFrame#frameContainer QFrame#cardFrame { background: #ffffff; border: 1px solid #d8d2c4; border-radius: 10px; }
QFrame#frameContainer QFrame#counterStrip { background: #1f6f8b; border-radius: 8px; }
QFrame#frameContainer QFrame#counterStrip QLabel { color: #eef6f8; font-size: 11pt; }
QFrame#frameContainer QFrame#counterStrip QLabel#Label10_0, QFrame#frameContainer QFrame#counterStrip QLabel#Label10_1,
QFrame#frameContainer QFrame#counterStrip QLabel#Label10_2 { color: #ffd58a; font-weight: bold; font-size: 13pt; }
QFrame#frameContainer QLineEdit#Text1 { border: none; background: transparent; color: #1b3a4b; }
QPlainTextEdit { border: 1px solid #e4dfd2; border-radius: 6px; background: #fffdf8; color: #22313a; }
QGroupBox { border: 1px solid #d8d2c4; border-radius: 8px; margin-top: 16px; background: #fbf9f4;
            font-weight: bold; color: #1f6f8b; padding-top: 4px; }
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }
QGroupBox QLabel, QGroupBox QCheckBox, QGroupBox QRadioButton { font-weight: normal; color: #22313a; }
QPushButton { padding: 5px 12px; border: 1px solid #b9b09b; border-radius: 5px; background: #fffaf0;
              color: #1b3a4b; }
QPushButton:hover { background: #fff2d6; }
QPushButton:pressed { background: #f1dfb5; }
QPushButton:focus { border: 2px solid #1f6f8b; }
QPushButton:disabled { color: #a8a292; border-color: #d7d1c2; }
QFrame#frameContainer QPushButton#studiedit { background: #1f6f8b; color: #ffffff; font-weight: bold; border-color: #17586f; }
QFrame#frameContainer QPushButton#studiedit:hover { background: #2a819f; }
QFrame#frameContainer QPushButton#btnHint { background: #ffe7b3; border-color: #d49a2a; }
QFrame#frameContainer QPushButton#btnHint:pressed { background: #f3c35e; }
QFrame#frameContainer QLabel#lblMsg, QFrame#frameContainer QLabel#Label6 { color: #8a6d2f; background: #fff6df; border: 1px dashed #e2c27a;
                               border-radius: 6px; padding: 6px; }
QFrame#frameContainer QLabel#Label20, QFrame#frameContainer QLabel#Label22 { color: #c0392b; font-weight: bold; font-size: 14pt; }
QListWidget { border: 1px solid #e4dfd2; border-radius: 6px; background: #fffdf8; }
QToolBar { background: #ece7da; border-bottom: 1px solid #d8d2c4; spacing: 4px; padding: 2px; }
QToolButton { padding: 3px 6px; color: #1b3a4b; }
)");
}

} // namespace Look
