#pragma once

#include "core/MainWindowDefinition.h"

#include <QWidget>

namespace bitloom::runtime {

// One line of a two-tone separator rule (element 0, the shadow, in the 3D
// shadow colour; 1, the highlight, in the 3D highlight colour), covering the
// rows where it shows. Together the two read as one etched line.
class Rule : public QWidget {
    Q_OBJECT

public:
    Rule(const core::mainWindow::Rule &rule, int line, QWidget *parent);

    QPalette::ColorRole colorRole() const { return m_role; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPalette::ColorRole m_role;
};

// Both lines of the rule in the container, named after it ("linMenuSplitter(0)"
// for the shadow), the thinner one on top where the two meet.
void addRule(const core::mainWindow::Rule &rule, QWidget *container);

} // namespace bitloom::runtime
