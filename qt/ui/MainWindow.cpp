#include "MainWindow.h"

#include "AboutWindow.h"
#include "ValueDialog.h"
#include "core/FlagToolTip.h"
#include "core/MainWindowDefinition.h"
#include "core/ObjectName.h"
#include "qt/runtime/CheckBox.h"
#include "qt/runtime/EventHandler.h"
#include "qt/runtime/ListBox.h"
#include "qt/runtime/LockedLineEdit.h"
#include "qt/runtime/Program.h"
#include "qt/runtime/QuestionBox.h"
#include "qt/runtime/Rule.h"
#include "qt/runtime/Text.h"
#include "qt/runtime/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace bitloom::ui {

namespace def = core::mainWindow;
using core::mainWindow::ControlKind;
using runtime::toPixels;
using runtime::toQString;

namespace {

// Every control carries its tab index as this property, as accessibility
// tools and the tests read it.
constexpr char tabIndexProperty[] = "TabIndex";

QString nameOf(std::string_view name, int index)
{
    return QString::fromStdString(core::objectName(name, index));
}

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QKeySequence keySequence(core::Shortcut shortcut)
{
    if (shortcut.isNone())
        return {};
    Qt::KeyboardModifiers modifiers = shortcut.control ? Qt::ControlModifier : Qt::NoModifier;
    if (shortcut.shift)
        modifiers |= Qt::ShiftModifier;
    const int key = shortcut.letter ? Qt::Key_A + (shortcut.letter - 'A')
                                    : Qt::Key_F1 + (shortcut.functionKey - 1);
    return QKeySequence(modifiers | Qt::Key(key));
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(toQString(def::caption));
    QIcon icon;
    icon.addFile(u":/bitloom/bitloom-16.png"_s);
    icon.addFile(u":/bitloom/bitloom-32.png"_s);
    setWindowIcon(icon);

    auto *client = new QWidget(this);
    client->setObjectName(u"client"_s);
    setCentralWidget(client);
    // The window takes its size from the client area and the menu bar; the
    // user cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    buildControls(client);
    buildRules(client);
    buildMenus();
    connectHandlers();

    m_behaviour.load();
    m_paneList->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow()
{
    runtime::endProgram();
}

void MainWindow::forgetEditHistory()
{
    m_behaviour.forgetHistory();
}

void MainWindow::buildControls(QWidget *client)
{
    // In tab order, which puts each pane before what it holds. A label's
    // access key leads to the control that follows it in that order.
    QWidget *previous = nullptr;
    QLabel *leadingLabel = nullptr;
    for (const def::ControlEntry &entry : def::controls) {
        QWidget *container
            = entry.pane < 0 ? client : m_panes[static_cast<std::size_t>(entry.pane)];
        QWidget *widget = makeControl(entry, container);
        widget->setObjectName(nameOf(entry.name, entry.index));
        widget->setGeometry(toPixels(entry.rect));
        widget->setProperty(tabIndexProperty, entry.tabIndex);
        if (auto *label = qobject_cast<QLabel *>(widget);
            label && entry.text.find('&') != std::string_view::npos) {
            label->setTextFormat(Qt::AutoText);
            leadingLabel = label;
        }
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
        if (leadingLabel)
            std::exchange(leadingLabel, nullptr)->setBuddy(widget);
    }
}

QWidget *MainWindow::makeControl(const def::ControlEntry &entry, QWidget *container)
{
    const QString text = toQString(entry.text);
    switch (entry.kind) {
    case ControlKind::List:
        m_paneList = new runtime::ListBox(container);
        // Item k names pane k: the summary, then each digit by its caption.
        m_paneList->addItem(toQString(def::summaryPane.text));
        for (int digit = 1; digit <= flags::digitCount; ++digit)
            m_paneList->addItem(toQString(flags::digitCaption(digit)));
        return m_paneList;
    case ControlKind::Frame: {
        auto *pane = new QGroupBox(text, container);
        // The summary shows at first, the digit panes not.
        pane->setVisible(entry.index == 0);
        return m_panes[static_cast<std::size_t>(entry.index)] = pane;
    }
    case ControlKind::Label:
        return wrappedLabel(text, container);
    case ControlKind::OutputBox: {
        // Locked: the text can be selected and copied, never edited by the user.
        m_output = new runtime::LockedLineEdit(text, container);
        QFont outputFont(toQString(def::outputFontFamily));
        outputFont.setPointSizeF(def::outputFontPointSize);
        outputFont.setWeight(QFont::Normal);
        m_output->setFont(outputFont);
        return m_output;
    }
    case ControlKind::Button: {
        m_resetButton = new QPushButton(text, container);
        m_resetButton->setAutoDefault(false);
        // The reset button is also the window's cancel button: Esc clicks it
        // while the summary pane is shown.
        auto *cancel = new QShortcut(QKeySequence(Qt::Key_Escape), m_resetButton);
        connect(cancel, &QShortcut::activated, m_resetButton, &QPushButton::click);
        return m_resetButton;
    }
    case ControlKind::FlagBox: {
        auto *box = new runtime::CheckBox(text, container);
        box->setToolTip(toQString(core::flagToolTip(entry.index)));
        return m_flagBoxes[static_cast<std::size_t>(entry.index)] = box;
    }
    }
    throw std::logic_error("unknown kind of control");
}

void MainWindow::buildRules(QWidget *client)
{
    for (const def::Rule &rule : def::rules)
        runtime::addRule(rule,
                         rule.pane < 0 ? client : m_panes[static_cast<std::size_t>(rule.pane)]);
}

void MainWindow::buildMenus()
{
    for (const core::Menu &menuDefinition : core::menuBar) {
        QMenu *menu = menuBar()->addMenu(toQString(menuDefinition.caption));
        menu->setObjectName(toQString(menuDefinition.name));
        // An item disabled for a reason says it.
        menu->setToolTipsVisible(true);
        for (const core::MenuItem &item : menuDefinition.items) {
            QAction *action = item.isSeparator() ? menu->addSeparator()
                                                 : menu->addAction(toQString(item.caption));
            action->setObjectName(nameOf(item.name, item.index));
            if (item.isSeparator())
                continue;
            // Where the platform moves items by their text (macOS: "Quitter",
            // "A propos"), the menus would no longer read as designed.
            action->setMenuRole(QAction::NoRole);
            action->setShortcut(keySequence(item.shortcut));
            action->setCheckable(item.checkable);
            action->setChecked(item.checkedAtStart);
            runtime::connectHandler(action, &QAction::triggered, this,
                                    [this, &item] { runMenuItem(item); });
            if (item.command == core::Command::ShowPane)
                m_paneItems[static_cast<std::size_t>(item.index)] = action;
            else if (item.command == core::Command::SingleView)
                m_singleViewItem = action;
            else if (item.command == core::Command::WideView)
                m_wideViewItem = action;
            else
                m_commandItems[item.command] = action;
        }
    }
}

void MainWindow::runMenuItem(const core::MenuItem &item)
{
    const QPointer<QWidget> focus = QApplication::focusWidget();
    m_behaviour.run(item);
    // A control that hid with the focus: Qt hands it on at once, maybe to a
    // control that hides in turn, and in the end to none. Once the command
    // is done it goes back to that control if it shows again, or on to the
    // next control in tab order that shows, as Tab would take it.
    const QWidget *now = QApplication::focusWidget();
    if (!focus || !isActiveWindow() || (now && now->isVisible()))
        return;
    QWidget *next = focus;
    while (!(next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus))) {
        next = next->nextInFocusChain();
        if (next == focus)
            return;
    }
    next->setFocus(Qt::TabFocusReason);
}

void MainWindow::connectHandlers()
{
    using runtime::connectHandler;
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        connectHandler(m_flagBoxes[static_cast<std::size_t>(bit)], &runtime::CheckBox::clickEvent,
                       this, [this, bit] { m_behaviour.flagClicked(bit); });
    }
    connectHandler(m_resetButton, &QPushButton::clicked, this,
                   [this] { m_behaviour.resetFlags(); });
    connectHandler(m_paneList, &runtime::ListBox::clickEvent, this,
                   [this] { m_behaviour.paneListClicked(); });
}

flags::CheckState MainWindow::flag(int bit) const
{
    return m_flagBoxes.at(static_cast<std::size_t>(bit))->value();
}

void MainWindow::setFlag(int bit, flags::CheckState state)
{
    m_flagBoxes.at(static_cast<std::size_t>(bit))->setValue(state);
}

void MainWindow::setOutputText(std::string_view text)
{
    m_output->setText(toQString(text));
}

std::string MainWindow::outputText() const
{
    return m_output->text().toStdString();
}

void MainWindow::setCommandEnabled(core::Command command, bool enabled)
{
    m_commandItems.at(command)->setEnabled(enabled);
}

void MainWindow::setCommandCaption(core::Command command, std::string_view caption,
                                   std::string_view toolTip)
{
    QAction *action = m_commandItems.at(command);
    action->setText(toQString(caption));
    // Without a tooltip of its own, Qt shows the item's text.
    action->setToolTip(toolTip.empty() ? QString() : toQString(toolTip));
}

std::optional<std::string> MainWindow::clipboardText() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text().toStdString();
}

void MainWindow::setClipboardText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(toQString(text));
}

void MainWindow::showMessage(std::string_view message, std::string_view title)
{
    QMessageBox box(QMessageBox::Warning, toQString(title), toQString(message), QMessageBox::Ok,
                    this);
    box.exec();
}

std::optional<std::string> MainWindow::askForValue()
{
    if (!m_valueDialog)
        m_valueDialog = new ValueDialog(this);
    return m_valueDialog->ask();
}

void MainWindow::setPaneVisible(int pane, bool visible)
{
    m_panes.at(static_cast<std::size_t>(pane))->setVisible(visible);
}

void MainWindow::movePane(int pane, core::TwipsPoint position)
{
    m_panes.at(static_cast<std::size_t>(pane))->move(toPixels(position));
}

core::TwipsSize MainWindow::paneSize(int pane) const
{
    return runtime::toTwips(m_panes.at(static_cast<std::size_t>(pane))->size());
}

void MainWindow::setPaneItemChecked(int pane, bool checked)
{
    m_paneItems.at(static_cast<std::size_t>(pane))->setChecked(checked);
}

void MainWindow::setViewItemChecked(core::ViewMode mode, bool checked)
{
    (mode == core::ViewMode::Single ? m_singleViewItem : m_wideViewItem)->setChecked(checked);
}

void MainWindow::setListVisible(bool visible)
{
    m_paneList->setVisible(visible);
}

core::PaneIndex MainWindow::listIndex() const
{
    return core::paneIndex(m_paneList->listIndex());
}

void MainWindow::setClientSize(core::TwipsSize size)
{
    centralWidget()->setFixedSize(toPixels(size));
    layout()->activate();
}

core::Answer MainWindow::ask(std::string_view message, std::string_view title)
{
    return runtime::QuestionBox::ask(toQString(message), toQString(title), this);
}

void MainWindow::showAboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = new AboutWindow(this);
    m_aboutWindow->showModal();
}

void MainWindow::endProgram()
{
    runtime::endProgram();
}

} // namespace bitloom::ui
