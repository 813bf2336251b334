#pragma once

#include <functional>
#include <memory>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <type_traits>

// Owns the waits below; a test's cleanup deletes its children, so that none outlives its test.
inline QObject& modalWaits() {
    static QObject owner;
    return owner;
}

// Acts on the next modal window of type T as soon as it is the one in front (work before its
// event loop may process events first). Returns a flag that tells whether it was seen; gives
// up quietly after a few seconds. A check that failed inside leaves the window open: it is
// closed, so the test ends instead of waiting on it.
template <class T = QWidget>
std::shared_ptr<bool> whenModal(std::type_identity_t<std::function<void(T*)>> act) {
    auto seen = std::make_shared<bool>(false);
    auto* timer = new QTimer(&modalWaits());
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, seen, ticks] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            *seen = true;
            timer->stop();
            const QPointer<T> guard(w);
            act(w);
            if (guard && guard->isVisible() && QTest::currentTestFailed())
                guard->close();
        } else if (++*ticks > 500) {
            timer->stop();
        }
    });
    timer->start(10);
    return seen;
}
