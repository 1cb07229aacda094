#include "Rule.h"

#include "Twips.h"
#include "core/ObjectName.h"
#include "core/RuleBands.h"

#include <QPainter>

namespace bitloom::runtime {

Rule::Rule(const core::mainWindow::Rule &rule, int line, QWidget *parent)
    : QWidget(parent)
    , m_role(line == 0 ? QPalette::Dark : QPalette::Light)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Qt lays out in pixels at 96 dpi and scales them itself.
    const core::RuleBand rows = core::lineRows(rule, line, core::standardDpi);
    setGeometry(toPixels(rule.x1), rows.top, toPixels(rule.x2) - toPixels(rule.x1), rows.height);
}

void Rule::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(m_role));
}

void addRule(const core::mainWindow::Rule &rule, QWidget *container)
{
    auto *shadow = new Rule(rule, 0, container);
    auto *highlight = new Rule(rule, 1, container);
    shadow->setObjectName(QString::fromStdString(core::objectName(rule.name, 0)));
    highlight->setObjectName(QString::fromStdString(core::objectName(rule.name, 1)));
    (rule.shadowPixels < rule.highlightPixels ? shadow : highlight)->raise();
}

} // namespace bitloom::runtime
