// Answers a modal window from inside its own event loop: the test arranges
// the answer, then runs the code that opens the window.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace bitloom::tests {

// Calls the answer with the first modal window that is shown and active while
// this object lives. After a few seconds it gives up and rejects whatever
// modal window is open, so that a wrong answer fails the test instead of
// hanging it; it never outlives the test's locals. An answer that leaves its
// window open fails the test the same way, a few seconds later.
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
        if (m_answered) {
            watchAnswered();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && modal->isActiveWindow()) {
            m_answered = true;
            m_window = modal;
            m_clock.restart();
            m_answer(modal);
        } else if (m_clock.elapsed() > 5000) {
            m_poll.stop();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    }

    void watchAnswered()
    {
        if (!m_window || !m_window->isVisible()) {
            m_poll.stop();
        } else if (m_clock.elapsed() > 3000) {
            m_poll.stop();
            QTest::qFail("the answer left the modal window open", __FILE__, __LINE__);
            if (auto *dialog = qobject_cast<QDialog *>(m_window.data()))
                dialog->reject();
        }
    }

    std::function<void(QWidget *)> m_answer;
    QTimer m_poll;
    QElapsedTimer m_clock;
    QPointer<QWidget> m_window;
    bool m_answered = false;
};

} // namespace bitloom::tests
