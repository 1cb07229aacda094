// Answers a modal window from inside its own event loop: the test arranges
// the answer, then runs the code that opens the window.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace bitloom::tests {

// Calls the answer with the first modal window that is shown and active while
// this object lives. After a few seconds it gives up and rejects whatever
// modal window is open, so that a wrong answer fails the test instead of
// hanging it; it never outlives the test's locals.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget *)> answer)
        : m_answer(std::move(answer))
    {
        m_clock.start();
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { poll(); });
        m_poll.start(10);
    }

    bool answered() const { return m_answered; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && modal->isActiveWindow()) {
            m_poll.stop();
            m_answered = true;
            m_answer(modal);
        } else if (m_clock.elapsed() > 5000) {
            m_poll.stop();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    }

    std::function<void(QWidget *)> m_answer;
    QTimer m_poll;
    QElapsedTimer m_clock;
    bool m_answered = false;
};

} // namespace bitloom::tests
