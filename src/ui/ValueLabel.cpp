#include "ValueLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>

namespace {

class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label)
        // A notification is read out when it shows, wherever the focus is.
        : QAccessibleWidget(label, label->isLive() ? QAccessible::Notification
                                                   : QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const ValueLabel*>(object());
        if (t != QAccessible::Name || !label->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString value = label->text();
        return value.isEmpty() ? label->caption() : label->caption() + QStringLiteral(": ") + value;
    }
};

// Also: the windows that are neither dialogs nor main windows (the quiz, the game, the
// ticker, the list) are windows to assistive tools, not fillers.
QAccessibleInterface* valueLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ValueLabel"))
        return new ValueLabelAccessible(static_cast<ValueLabel*>(object));
    auto* w = qobject_cast<QWidget*>(object);
    if (w && object->metaObject()->className() == className && w->isWindow() &&
        (w->windowType() == Qt::Window || w->windowType() == Qt::Tool) &&
        !qobject_cast<QDialog*>(w) && !qobject_cast<QMainWindow*>(w) &&
        className != QLatin1String("QWidget"))
        return new QAccessibleWidget(w, QAccessible::Window);
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(const QString& caption, QWidget* parent, bool live)
    : QLabel(parent), caption_(caption), live_(live) {
    static const bool installed = [] {
        QAccessible::installFactory(valueLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setTextFormat(Qt::PlainText);
}

void ValueLabel::announce() {
    // The text's own change is sent as a change of name; a notification that shows again is
    // what screen readers speak unasked.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
