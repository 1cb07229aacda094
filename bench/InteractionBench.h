// Times the main window's interactions in process, each from the call a
// user's action makes to the moment its effect can be seen: first the output
// text (or the new layout) as the handler leaves it, then, separately, the
// repainted frame handed to the window system.
#pragma once

#include "Summary.h"

#include <QString>
#include <vector>

class QAction;
class QLineEdit;
class QMainWindow;
class QWidget;

namespace bitloom::runtime {
class CheckBox;
}

namespace bitloom::bench {

struct Measure {
    QString label;
    Summary microseconds;
};

class InteractionBench {
public:
    // The window must be shown and painted once already.
    explicit InteractionBench(QMainWindow &window);

    // The controls the measures need were all found by name.
    bool isComplete() const;

    std::vector<Measure> run();

private:
    std::vector<double> timeFlagClicks(int rounds, bool untilFrame);
    std::vector<double> timeResets(int rounds, bool untilFrame);
    std::vector<double> timeViewSwitches(QAction *from, QAction *to, int rounds, bool untilFrame);

    // Runs the action, then, when asked, the event loop until the given
    // widget has been repainted; returns the microseconds it all took.
    template <typename Action>
    double timed(Action &&action, bool untilFrame, QWidget *painted);

    QMainWindow &m_window;
    std::vector<runtime::CheckBox *> m_flags;
    QLineEdit *m_output = nullptr;
    QAction *m_clear = nullptr;
    QAction *m_single = nullptr;
    QAction *m_wide = nullptr;
    bool m_failed = false;
};

} // namespace bitloom::bench
