#include "Look.h"

#include <QHash>
#include <QIconEngine>
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

void setTextSize(QWidget* widget, double pointSize, bool bold) {
    QFont f = widget->font();
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    widget->setFont(f);
}

namespace {

const QColor kAmber(0xe9, 0xa2, 0x3b);

void paintSpeaker(QPainter& p, const QColor& teal) {
    QPainterPath cone;
    cone.moveTo(4, 12);
    cone.lineTo(9, 12);
    cone.lineTo(15, 6);
    cone.lineTo(15, 26);
    cone.lineTo(9, 20);
    cone.lineTo(4, 20);
    cone.closeSubpath();
    p.setBrush(teal);
    p.drawPath(cone);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 10, 8, 12), -50 * 16, 100 * 16);
    p.drawArc(QRectF(12, 6, 14, 20), -50 * 16, 100 * 16);
}

void paintHint(QPainter& p) {
    p.setBrush(kAmber);
    p.setPen(QPen(QColor(0x1b, 0x3a, 0x4b), 1.5));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QColor(0x1b, 0x3a, 0x4b)); // on the amber disc in either appearance
    QFont f = arial(15, true);
    f.setPixelSize(20);
    p.setFont(f);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

void paintSelect(QPainter& p) {
    p.drawRoundedRect(QRectF(5, 4, 22, 24), 3, 3);
    for (int y = 10; y <= 22; y += 6) {
        p.drawLine(QPointF(9, y), QPointF(11, y + 2));
        p.drawLine(QPointF(11, y + 2), QPointF(14, y - 2));
        p.drawLine(QPointF(17, y), QPointF(23, y));
    }
}

void paintRefine(QPainter& p, const QColor& teal) {
    QPainterPath funnel;
    funnel.moveTo(4, 6);
    funnel.lineTo(28, 6);
    funnel.lineTo(19, 17);
    funnel.lineTo(19, 26);
    funnel.lineTo(13, 23);
    funnel.lineTo(13, 17);
    funnel.closeSubpath();
    p.setBrush(QColor(teal.red(), teal.green(), teal.blue(), 60));
    p.drawPath(funnel);
}

void paintRevise(QPainter& p) {
    p.drawArc(QRectF(6, 6, 20, 20), 40 * 16, 280 * 16);
    p.drawLine(QPointF(22, 4), QPointF(23, 10));
    p.drawLine(QPointF(23, 10), QPointF(17, 10));
}

void paintQuiz(QPainter& p) {
    p.drawRoundedRect(QRectF(4, 5, 24, 18), 4, 4);
    p.drawLine(QPointF(10, 23), QPointF(8, 28));
    p.drawLine(QPointF(8, 28), QPointF(15, 23));
    p.setPen(kAmber);
    p.setFont(arial(11, true));
    p.drawText(QRectF(4, 5, 24, 18), Qt::AlignCenter, QStringLiteral("?"));
}

void paintGame(QPainter& p) {
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 1 ? kAmber : QColor(Qt::white));
        p.drawRect(QRectF(3 + i * 9, 10, 8, 10));
    }
}

void paintTicker(QPainter& p) {
    p.drawRoundedRect(QRectF(3, 8, 26, 16), 3, 3);
    p.setBrush(kAmber);
    p.setPen(Qt::NoPen);
    QPainterPath play;
    play.moveTo(13, 11);
    play.lineTo(21, 16);
    play.lineTo(13, 21);
    play.closeSubpath();
    p.drawPath(play);
}

void paintList(QPainter& p) {
    for (int y = 8; y <= 24; y += 8) {
        p.drawPoint(QPointF(6, y));
        p.drawLine(QPointF(11, y), QPointF(27, y));
    }
}

void paintPrint(QPainter& p) {
    p.drawRect(QRectF(9, 4, 14, 8));
    p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 9));
}

void paintReport(QPainter& p, const QColor& teal) {
    p.setBrush(kAmber);
    p.drawRect(QRectF(6, 16, 5, 11));
    p.setBrush(teal);
    p.drawRect(QRectF(14, 9, 5, 18));
    p.setBrush(QColor(0x7f, 0xb0, 0x69));
    p.drawRect(QRectF(22, 4, 5, 23));
}

// A calendar leaf with today's tick.
void paintDue(QPainter& p) {
    p.drawRoundedRect(QRectF(5, 7, 22, 20), 3, 3);
    p.drawLine(QPointF(5, 13), QPointF(27, 13));
    p.drawLine(QPointF(11, 4), QPointF(11, 9));
    p.drawLine(QPointF(21, 4), QPointF(21, 9));
    p.setPen(QPen(kAmber, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(11, 20), QPointF(15, 23.5), QPointF(22, 16.5)}));
}

void paintIcon(QPainter& p, Icon which) {
    // Drawn in the colours in force, so that they stand out on a dark toolbar as well.
    const QColor kTeal = colour(Colour::Accent);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(kTeal, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (which) {
    case Icon::Speaker:
        paintSpeaker(p, kTeal);
        break;
    case Icon::Hint:
        paintHint(p);
        break;
    case Icon::App:
        break; // drawn from its SVG, see icon()
    case Icon::Select:
        paintSelect(p);
        break;
    case Icon::Refine:
        paintRefine(p, kTeal);
        break;
    case Icon::Revise:
        paintRevise(p);
        break;
    case Icon::Quiz:
        paintQuiz(p);
        break;
    case Icon::Game:
        paintGame(p);
        break;
    case Icon::Ticker:
        paintTicker(p);
        break;
    case Icon::List:
        paintList(p);
        break;
    case Icon::Print:
        paintPrint(p);
        break;
    case Icon::Report:
        paintReport(p, kTeal);
        break;
    case Icon::Due:
        paintDue(p);
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

// Painted whenever a size is asked for, in the colours in force at that moment.
class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(Icon which) : which_(which) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 32.0, rect.height() / 32.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.45);
        paintIcon(*painter, which_);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }
    QIconEngine* clone() const override { return new DrawnIcon(which_); }

private:
    Icon which_;
};

void renderAppSvg(QPainter& painter, const QRectF& rect) {
    static const bool loaded = [] {
        initIconResources();
        return true;
    }();
    Q_UNUSED(loaded);
    QSvgRenderer svg(QStringLiteral(":/icons/verbaloom.svg"));
    svg.render(&painter, rect);
}

QPixmap renderApp(const QSize& size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        renderAppSvg(p, QRectF(QPointF(0, 0), size));
    }
    return pm;
}

// Rendered at a size when it is first asked for: the window manager takes four sizes at the
// first show, twice, and rendering every size up front cost the start several milliseconds.
class AppIcon : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        renderAppSvg(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
        QPixmap& pm = rendered_[key];
        if (pm.isNull())
            pm = renderApp(size);
        return pm;
    }
    QIconEngine* clone() const override { return new AppIcon(*this); }

private:
    QHash<quint64, QPixmap> rendered_;
};

} // namespace

QPixmap appPicture(int size) {
    return renderApp(QSize(size, size));
}

QIcon icon(Icon which) {
    if (which == Icon::App)
        return QIcon(new AppIcon);
    const QIcon drawn(new DrawnIcon(which));
    const QString name = themeName(which);
    return name.isEmpty() ? drawn : QIcon::fromTheme(name, drawn);
}

void skipFallbackIconTheme() {
    // Where the desktop names no icon theme, Qt looks in hicolor, which holds programs' own
    // icons, not the action icons asked for here and by Qt's widgets (edit-clear and the
    // like). Reading its index, thousands of lines, cost the start some ten milliseconds
    // for nothing; the drawn icons and Qt's own are shown there either way. Only the
    // program's resources are left to look in (an empty list would mean Qt's default).
    if (QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeSearchPaths({QStringLiteral(":/icons")});
}

} // namespace Look
