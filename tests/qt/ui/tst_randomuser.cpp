// The random user on the Qt window: each action is done with Qt Test's mouse
// and keys, or by triggering a menu item, and after every action the window
// must agree with the model (support/RandomUser.h).

#include "flags/FlagsValue.h"
#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"
#include "support/RandomUser.h"

#include <QClipboard>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include <optional>
#include <string>

using namespace Qt::StringLiterals;

using namespace bitloom;
using tests::ActionKind;
using tests::RandomAction;
using tests::RandomUserModel;

class tst_RandomUser : public QObject, private tests::RandomUser::Driver {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void randomUsers_data();
    void randomUsers();

private:
    void restart() override;
    void perform(const RandomAction &action, RandomUserModel &model) override;
    void editCommand(const RandomAction &action, RandomUserModel &model);
    std::optional<std::string> check(const RandomUserModel &model) override;

    tests::MainWindowFixture m_main;
    // What went wrong during an action that the window no longer shows.
    std::optional<std::string> m_pending;
};

namespace {

// Three seeds of 1,000 actions, unless the environment asks for more.
tests::RandomUser::Settings settings()
{
    return tests::RandomUser::Settings::fromEnvironment({3, 1000});
}

QtMessageHandler testlibHandler = nullptr;

// The offscreen platform notes, at every view switch and About window, what it
// cannot do; thousands of such lines would bury a real warning.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(u"This plugin does not support"_s))
        return;
    testlibHandler(type, context, message);
}

} // namespace

void tst_RandomUser::initTestCase()
{
    testlibHandler = qInstallMessageHandler(quietPlatform);
    QVERIFY(m_main.start());
}

void tst_RandomUser::restart()
{
    m_pending.reset();
    m_main.window()->showNormal();
    m_main.reset();
}

void tst_RandomUser::perform(const RandomAction &action, RandomUserModel &model)
{
    if (!model.canPerform(action))
        return;
    ui::MainWindow *window = m_main.window();
    const auto key = [window](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window, key, modifiers);
    };
    // Waits for an animated click on the reset button, if it is to come.
    const auto resetByKey = [&](Qt::Key which, Qt::KeyboardModifiers modifiers) {
        QSignalSpy clicks(m_main.cmdClearAll(), &QPushButton::clicked);
        key(which, modifiers);
        if (model.visible[0] && clicks.isEmpty())
            clicks.wait(1000);
    };

    switch (action.kind) {
    case ActionKind::ClickBox: {
        runtime::CheckBox *box = m_main.chkflag(action.arg);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        break;
    }
    case ActionKind::SpaceOnFocus: {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return;
        QTest::keyClick(focus, Qt::Key_Space);
        for (int bit = 0; bit < 28; ++bit) {
            if (focus == m_main.chkflag(bit))
                model.toggle(bit);
        }
        if (focus == m_main.cmdClearAll())
            model.resetFlags();
        else if (focus == m_main.lstPane() && model.listIndex < 0)
            // Space selects the list's current item.
            model.pickList(m_main.lstPane()->currentRow());
        return;
    }
    case ActionKind::PickList: {
        runtime::ListBox *list = m_main.lstPane();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(action.arg)).center());
        break;
    }
    case ActionKind::MenuPane:
        m_main.mnuPane(action.arg)->trigger();
        break;
    case ActionKind::ViewSingle:
        m_main.action(u"mnuViewSingle"_s)->trigger();
        break;
    case ActionKind::ViewWide:
        m_main.action(u"mnuViewWide"_s)->trigger();
        break;
    case ActionKind::ShortcutSingle:
        key(Qt::Key_S, Qt::ControlModifier);
        break;
    case ActionKind::ShortcutWide:
        key(Qt::Key_W, Qt::ControlModifier);
        break;
    case ActionKind::ResetButton:
        QTest::mouseClick(m_main.cmdClearAll(), Qt::LeftButton);
        break;
    case ActionKind::ResetMenu:
        m_main.action(u"mnuFileClear"_s)->trigger();
        break;
    case ActionKind::AltR:
        resetByKey(Qt::Key_R, Qt::AltModifier);
        break;
    case ActionKind::Escape:
        resetByKey(Qt::Key_Escape, Qt::NoModifier);
        break;
    case ActionKind::AltD:
        key(Qt::Key_D, Qt::AltModifier);
        break;
    case ActionKind::Tab:
        if (QWidget *focus = QApplication::focusWidget())
            QTest::keyClick(focus, Qt::Key_Tab);
        break;
    case ActionKind::About: {
        const tests::ModalAnswer answer([way = action.aboutClose()](QWidget *about) {
            switch (way) {
            case tests::AboutClose::Button:
                about->findChild<QPushButton *>(u"Command1"_s)->click();
                break;
            case tests::AboutClose::Enter:
                QTest::keyClick(about->focusWidget(), Qt::Key_Return);
                break;
            case tests::AboutClose::Escape:
                QTest::keyClick(about->focusWidget(), Qt::Key_Escape);
                break;
            case tests::AboutClose::CloseBox:
                about->close();
                break;
            }
        });
        if (action.byKey())
            key(Qt::Key_F1);
        else
            m_main.action(u"mnuAbout"_s)->trigger();
        QApplication::setActiveWindow(window);
        break;
    }
    case ActionKind::QuitNo: {
        const tests::ModalAnswer answer([](QWidget *box) {
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::No)->click();
        });
        if (action.byKey())
            key(Qt::Key_Q, Qt::ControlModifier);
        else
            m_main.action(u"mnuFileExit"_s)->trigger();
        QApplication::setActiveWindow(window);
        break;
    }
    case ActionKind::MinimizeRestore:
        window->showMinimized();
        window->showNormal();
        QApplication::setActiveWindow(window);
        break;
    case ActionKind::Undo:
    case ActionKind::Redo:
    case ActionKind::CopyValue:
    case ActionKind::PasteValue:
        editCommand(action, model);
        return;
    case ActionKind::BareLetter:
    case ActionKind::Arrow: {
        static constexpr Qt::Key arrows[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
        const Qt::Key pressed = action.kind == ActionKind::Arrow
                                    ? arrows[static_cast<std::size_t>(action.arrow())]
                                    : Qt::Key(Qt::Key_A + (action.letter() - 'A'));
        const int before = m_main.lstPane()->listIndex();
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window, pressed);
        model.keyOnList(before, m_main.lstPane()->listIndex());
        return;
    }
    case ActionKind::SwitchAway: {
        QWidget *focus = QApplication::focusWidget();
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(window);
        if (QApplication::focusWidget() != focus)
            m_pending = tests::describe(action) + ": the focus did not come back to its control";
        return;
    }
    }
    model.apply(action);
}

void tst_RandomUser::editCommand(const RandomAction &action, RandomUserModel &model)
{
    const tests::EditCommand command = tests::editCommand(action);
    if (action.kind == ActionKind::PasteValue)
        QGuiApplication::clipboard()->setText(QString::fromStdString(tests::pastedText(action)));
    // A refused value is said in a message, which the user closes.
    const tests::ModalAnswer answer(
        [](QWidget *box) { qobject_cast<QMessageBox *>(box)->button(QMessageBox::Ok)->click(); });
    // The keys go where the focus is, as a user's do.
    QWidget *focus = QApplication::focusWidget();
    const bool outputFocused = focus == m_main.txtOutput();
    if (action.byKey())
        QTest::keyClick(focus ? focus : m_main.window(), Qt::Key(Qt::Key_A + (command.key - 'A')),
                        Qt::ControlModifier);
    else
        m_main.action(QString::fromLatin1(command.item))->trigger();
    QApplication::setActiveWindow(m_main.window());
    model.apply(action, outputFocused);
}

std::optional<std::string> tst_RandomUser::check(const RandomUserModel &model)
{
    const auto fail = [](const QString &what) {
        return std::optional<std::string>(what.toStdString());
    };
    if (m_pending)
        return m_pending;

    if (runtime::programHasEnded() || !m_main.window()->isVisible())
        return fail(u"the program has ended"_s);

    // The output box holds the value of the checked boxes, in the right form.
    flags::FlagStates states{};
    for (int bit = 0; bit < 28; ++bit)
        states[static_cast<std::size_t>(bit)] = m_main.chkflag(bit)->value();
    const QString text = m_main.txtOutput()->text();
    const QString expected = QString::fromStdString(flags::valueText(flags::flagsValue(states)));
    if (text != expected)
        return fail(u"output %1, boxes make %2"_s.arg(text, expected));
    if (flags::flagsValue(states) != model.flags)
        return fail(u"boxes make %1, the user's clicks %2"_s.arg(expected).arg(model.flags, 0, 16));
    if (text.size() < 1 || text.size() > 7 || (text.size() > 1 && text.startsWith(u'0'))
        || text != text.toUpper())
        return fail(u"output %1 is badly formed"_s.arg(text));

    // View mode: one of the two items checked, list and client size to match.
    const bool single = m_main.action(u"mnuViewSingle"_s)->isChecked();
    if (single == m_main.action(u"mnuViewWide"_s)->isChecked())
        return fail(u"both or neither view items checked"_s);
    if (single == model.wide)
        return fail(u"wrong view mode"_s);
    if (m_main.lstPane()->isVisible() != single)
        return fail(u"list visibility does not match the view"_s);
    if (m_main.lstPane()->listIndex() != model.listIndex)
        return fail(u"list choice %1, expected %2"_s.arg(m_main.lstPane()->listIndex())
                        .arg(model.listIndex));
    const QSize client = single ? QSize(4695, 4455) : QSize(14100, 8790);
    if (m_main.clientTwips() != client)
        return fail(u"client area does not match the view"_s);

    // Counted on the window, so that a model gone wrong the same way as the
    // window is caught as well.
    int visible = 0;
    int checked = 0;
    for (int pane = 0; pane < 8; ++pane) {
        const QPoint at = m_main.fraPane(pane)->pos();
        const QPoint twips(runtime::toTwips(at.x()), runtime::toTwips(at.y()));
        const QPoint place
            = single ? QPoint(1200, 120) : QPoint(120 + 3495 * (pane % 4), pane < 4 ? 120 : 4455);
        if (twips != place)
            return fail(u"pane %1 at the wrong place"_s.arg(pane));
        const auto index = static_cast<std::size_t>(pane);
        if (m_main.fraPane(pane)->isVisible() != model.visible[index])
            return fail(u"pane %1 visibility"_s.arg(pane));
        if (m_main.mnuPane(pane)->isChecked() != model.checked[index])
            return fail(u"mnuPane(%1) check mark"_s.arg(pane));
        visible += m_main.fraPane(pane)->isVisible();
        checked += m_main.mnuPane(pane)->isChecked();
    }
    if (single && visible != 1)
        return fail(u"single view shows %1 panes"_s.arg(visible));
    if (checked != 1)
        return fail(u"%1 pane items checked"_s.arg(checked));
    // Where one pane shows, the menu checks that pane.
    for (int pane = 0; pane < 8; ++pane) {
        if (visible == 1 && m_main.fraPane(pane)->isVisible() && !m_main.mnuPane(pane)->isChecked())
            return fail(u"pane %1 shows, another is checked"_s.arg(pane));
    }

    // Undo and Redo are offered when there is a step to take.
    if (m_main.action(u"mnuEditUndo"_s)->isEnabled() == model.undoSteps.empty())
        return fail(u"Annuler enabled wrongly"_s);
    if (m_main.action(u"mnuEditRedo"_s)->isEnabled() == model.redoSteps.empty())
        return fail(u"Rétablir enabled wrongly"_s);
    if (model.clipboard
        && QGuiApplication::clipboard()->text() != QString::fromStdString(*model.clipboard))
        return fail(u"clipboard holds %1, expected %2"_s.arg(
            QGuiApplication::clipboard()->text(), QString::fromStdString(*model.clipboard)));

    if (QApplication::activeModalWidget())
        return fail(u"a modal window is still open"_s);
    // Keys go to the focused control: one of the window's that shows and
    // takes them.
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != m_main.window() || !focus->isVisible()
        || focus->focusPolicy() == Qt::NoFocus)
        return fail(u"the focus is on no control that takes it"_s);
    if (auto *about = m_main.window()->findChild<QDialog *>(u"frmAbout"_s);
        about && about->isVisible())
        return fail(u"the About window is still open"_s);
    return std::nullopt;
}

void tst_RandomUser::randomUsers_data()
{
    QTest::addColumn<int>("seed");
    const auto run = settings();
    for (int seed = run.firstSeed; seed < run.firstSeed + run.seeds; ++seed)
        QTest::addRow("seed %d", seed) << seed;
}

void tst_RandomUser::randomUsers()
{
    QFETCH(int, seed);
    tests::RandomUser user(*this);
    if (const auto failure = user.failureOf(static_cast<std::uint32_t>(seed), settings().actions))
        QFAIL(failure->c_str());
}

QTEST_MAIN(tst_RandomUser)
#include "tst_randomuser.moc"
