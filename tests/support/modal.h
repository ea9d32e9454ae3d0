#pragma once
// Drives a modal window from a test: the test arms an action, then calls the code
// that runs the window's own loop (exec); the action runs inside that loop.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace zelkor::test {

// Runs `act` on the active modal window once it is a T. If none appears within
// the time, the test fails and whatever modal window is open is closed, so the
// test does not hang.
template <class T>
void WhenModal(std::function<void(T*)> act, int timeoutMs = 5000) {
    auto* timer = new QTimer;
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (T* w = qobject_cast<T*>(modal)) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected modal window did not open";
            if (modal) modal->close();
        }
    });
    timer->start(10);
}

// Runs `act`, rejecting each modal dialog it opens once the dialog's own loop runs;
// returns their object names, marked when a dialog's parent is not `over`.
inline QStringList ClosingModals(const std::function<void()>& act, const QWidget* over = nullptr) {
    QStringList names;
    QTimer closer;  // fires only inside a modal dialog's own loop
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            names << dialog->objectName() + (over && dialog->parentWidget() != over ? " (elsewhere)" : "");
            dialog->reject();
        }
    });
    closer.start(10);
    act();
    return names;
}

}  // namespace zelkor::test
