// Answers a modal window from inside its own event loop: the test arranges
// the answer, then runs the code that opens the window.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace bitloom::tests {

// Calls `answer` with the first modal window that is shown from now on.
// Gives up after a few seconds, so that a window that never opens fails the
// test instead of hanging it.
inline void answerNextModal(std::function<void(QWidget *)> answer, QWidget *notThisOne = nullptr)
{
    auto *poll = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, answer, notThisOne] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != notThisOne && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        } else if (clock->elapsed() > 5000) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

} // namespace bitloom::tests
