#include "Keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QWidget>

namespace Keys {

namespace {

// Sees the keys the controls leave unused on their way up to the window. (A shortcut would
// not do: a tool window shares its owner's shortcuts, and two for one key cancel out.)
class DialogKeys : public QObject {
public:
    DialogKeys(QWidget* window, bool escapeCloses) : QObject(window), escapeCloses_(escapeCloses) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || watched != parent())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        if (key->key() == Qt::Key_Escape && escapeCloses_) {
            static_cast<QWidget*>(parent())->close();
            return true;
        }
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (!button || !button->isEnabled() || qobject_cast<QCheckBox*>(button) ||
            qobject_cast<QRadioButton*>(button) || button->window() != parent())
            return false;
        button->click();
        return true;
    }

private:
    bool escapeCloses_;
};

} // namespace

void enterPressesButtons(QWidget* window) {
    window->installEventFilter(new DialogKeys(window, false));
}

void likeADialog(QWidget* window) {
    window->installEventFilter(new DialogKeys(window, true));
}

} // namespace Keys
