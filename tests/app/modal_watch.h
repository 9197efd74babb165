#pragma once

// Answers the next modal window of type W from inside its event loop. Arm it
// before the click that opens the window; assert on what the handler recorded
// after the click returns. A window that never shows (or is left open) fails
// the watch after the timeout instead of hanging the test.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace velmora::testing {

struct ModalWatch {
    bool seen = false;
    bool timedOut = false;
    QPointer<QTimer> timer;
    ModalWatch() = default;
    ModalWatch(const ModalWatch&) = delete;
    ModalWatch& operator=(const ModalWatch&) = delete;
    ~ModalWatch() { delete timer; }
};

template <class W>
void OnNextModal(ModalWatch* watch, std::function<void(W*)> handler, int timeoutMs = 5000) {
    auto* timer = new QTimer;
    watch->timer = timer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (W* window = qobject_cast<W*>(modal); window && window->isVisible() && !watch->seen) {
            watch->seen = true;
            QPointer<W> guard(window);
            handler(window);
            if (!guard || !guard->isVisible()) {
                timer->stop();
            }
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            watch->timedOut = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else if (modal != nullptr) {
                modal->close();
            }
            if (QApplication::activeModalWidget() == nullptr) {
                timer->stop();
            }
        }
    });
    timer->start();
}

} // namespace velmora::testing
