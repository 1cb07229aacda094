// The one main window of a test run, with typed access to its controls by
// name. Closing the main window for good ends the program, so a test file
// keeps one window for all its tests.
#pragma once

#include "qt/runtime/CheckBox.h"
#include "qt/runtime/ListBox.h"
#include "qt/runtime/Program.h"
#include "qt/runtime/Twips.h"
#include "qt/ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace bitloom::tests {

class MainWindowFixture {
public:
    // Starts the program as the executable does and shows its window.
    bool start()
    {
        runtime::initializeProgram(*qobject_cast<QApplication *>(qApp));
        m_window = std::make_unique<ui::MainWindow>();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        return QTest::qWaitForWindowActive(m_window.get());
    }

    ui::MainWindow *window() const { return m_window.get(); }

    template <typename T>
    T *control(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    template <typename T>
    T *control(QStringView array, int index) const
    {
        return control<T>(array % u'(' % QString::number(index) % u')');
    }

    runtime::CheckBox *chkflag(int bit) const
    {
        return control<runtime::CheckBox>(u"chkflag", bit);
    }
    QGroupBox *fraPane(int pane) const { return control<QGroupBox>(u"fraPane", pane); }
    QAction *mnuPane(int pane) const { return control<QAction>(u"mnuPane", pane); }
    QAction *action(const QString &name) const { return control<QAction>(name); }
    runtime::ListBox *lstPane() const
    {
        return control<runtime::ListBox>(QStringLiteral("lstPane"));
    }
    QLineEdit *txtOutput() const { return control<QLineEdit>(QStringLiteral("txtOutput")); }
    QPushButton *cmdClearAll() const { return control<QPushButton>(QStringLiteral("cmdClearAll")); }

    // The client area below the menu bar, in twips.
    QSize clientTwips() const
    {
        const QSize pixels = m_window->centralWidget()->size();
        return {runtime::toTwips(pixels.width()), runtime::toTwips(pixels.height())};
    }

    // Back to the state of a fresh start: no flag set, single view, the
    // summary pane shown with its menu item checked, no list choice, and
    // nothing to undo.
    void reset()
    {
        for (int bit = 0; bit < 28; ++bit)
            chkflag(bit)->setValue(flags::CheckState::Unchecked);
        lstPane()->clearSelection();
        mnuPane(0)->trigger();
        action(QStringLiteral("mnuViewSingle"))->trigger();
        m_window->forgetEditHistory();
        QApplication::setActiveWindow(m_window.get());
        lstPane()->setFocus();
    }

private:
    std::unique_ptr<ui::MainWindow> m_window;
};

} // namespace bitloom::tests
