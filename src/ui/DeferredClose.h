#pragma once

#include <QPointer>
#include <QWidget>

// A window closed from outside while one of its own modal moments is up (a message, a
// dialog it waits on; the main window closing, the session ending) must not be deleted
// under the code that is still waiting for the answer: while a guard lives, the window's
// deletion waits, and happens once the guard goes if the window was closed meanwhile.
class DeferredClose {
public:
    explicit DeferredClose(QWidget* widget) : window_(widget ? widget->window() : nullptr) {
        if (window_ && window_->testAttribute(Qt::WA_DeleteOnClose)) {
            window_->setAttribute(Qt::WA_DeleteOnClose, false);
            deferred_ = true;
        }
    }
    ~DeferredClose() {
        if (!window_ || !deferred_)
            return;
        window_->setAttribute(Qt::WA_DeleteOnClose, true);
        if (!window_->isVisible())
            window_->deleteLater();
    }
    DeferredClose(const DeferredClose&) = delete;
    DeferredClose& operator=(const DeferredClose&) = delete;

private:
    QPointer<QWidget> window_;
    bool deferred_ = false;
};
