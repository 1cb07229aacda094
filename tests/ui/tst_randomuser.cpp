// A random user: seeded sequences of clicks, picks, menu commands, shortcuts
// and keys drive the real windows, and after every action the windows must
// agree with a small model of what the program should show. A failing run
// prints its seed and the shortest list of actions that still fails.
//
// BITLOOM_RANDOM_SEEDS, BITLOOM_RANDOM_ACTIONS and BITLOOM_RANDOM_FIRST_SEED
// make the run longer for stress testing.

#include "flags/FlagsValue.h"
#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <array>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

using namespace bitloom;

namespace {

enum class Kind {
    ClickBox,
    SpaceOnFocus,
    PickList,
    MenuPane,
    ViewSingle,
    ViewWide,
    ShortcutSingle,
    ShortcutWide,
    ResetButton,
    ResetMenu,
    AltR,
    AltD,
    Escape,
    Tab,
    About,
    QuitNo,
    MinimizeRestore,
};

struct Action {
    Kind kind;
    int arg = 0;
};

// How often each kind is drawn, out of the sum of all weights. The kinds that
// wait for an animated click or a modal window are drawn rarely.
constexpr std::array<std::pair<Kind, int>, 17> weights{{
    {Kind::ClickBox, 300},
    {Kind::SpaceOnFocus, 40},
    {Kind::PickList, 100},
    {Kind::MenuPane, 80},
    {Kind::ViewSingle, 30},
    {Kind::ViewWide, 30},
    {Kind::ShortcutSingle, 20},
    {Kind::ShortcutWide, 20},
    {Kind::ResetButton, 20},
    {Kind::ResetMenu, 20},
    {Kind::AltR, 3},
    {Kind::AltD, 20},
    {Kind::Escape, 2},
    {Kind::Tab, 60},
    {Kind::About, 4},
    {Kind::QuitNo, 2},
    {Kind::MinimizeRestore, 3},
}};

QString describe(const Action &action)
{
    switch (action.kind) {
    case Kind::ClickBox:
        return u"click chkflag(%1)"_s.arg(action.arg);
    case Kind::SpaceOnFocus:
        return u"Space on the focused control"_s;
    case Kind::PickList:
        return u"pick list item %1"_s.arg(action.arg);
    case Kind::MenuPane:
        return u"menu mnuPane(%1)"_s.arg(action.arg);
    case Kind::ViewSingle:
        return u"menu mnuViewSingle"_s;
    case Kind::ViewWide:
        return u"menu mnuViewWide"_s;
    case Kind::ShortcutSingle:
        return u"Ctrl+S"_s;
    case Kind::ShortcutWide:
        return u"Ctrl+W"_s;
    case Kind::ResetButton:
        return u"click cmdClearAll"_s;
    case Kind::ResetMenu:
        return u"menu mnuFileClear"_s;
    case Kind::AltR:
        return u"Alt+R"_s;
    case Kind::AltD:
        return u"Alt+D"_s;
    case Kind::Escape:
        return u"Esc"_s;
    case Kind::Tab:
        return u"Tab"_s;
    case Kind::About: {
        static const QStringList ways{u"button"_s, u"Enter"_s, u"Esc"_s, u"close box"_s};
        return u"About (%1), closed by %2"_s.arg(action.arg < 4 ? u"F1"_s : u"menu"_s,
                                                 ways[action.arg % 4]);
    }
    case Kind::QuitNo:
        return u"quit (%1), answered No"_s.arg(action.arg ? u"Ctrl+Q"_s : u"menu"_s);
    case Kind::MinimizeRestore:
        return u"minimize and restore"_s;
    }
    return {};
}

// What the program should show, kept apart from the windows.
struct Model {
    std::uint32_t flags = 0;
    bool wide = false;
    int listIndex = -1;
    std::array<bool, 8> visible{true};
    std::array<bool, 8> checked{true};

    void selectPane(int pane)
    {
        // With no choice the summary shows and is the checked item; the other
        // panes keep their visibility.
        if (pane < 0) {
            visible[0] = true;
            for (int i = 0; i < 8; ++i)
                checked[i] = i == 0;
            return;
        }
        for (int i = 0; i < 8; ++i)
            visible[i] = checked[i] = i == pane;
    }
    void singleView()
    {
        wide = false;
        visible.fill(false);
        selectPane(listIndex);
    }
    void wideView()
    {
        wide = true;
        visible.fill(true);
    }
};

} // namespace

class tst_RandomUser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void randomUsers_data();
    void randomUsers();

private:
    Action draw(QRandomGenerator &random) const;
    // Runs the actions from a fresh start; the first broken rule, if any, and
    // how many actions had run when it broke (0: the start itself was wrong).
    std::optional<QString> run(const std::vector<Action> &actions, std::size_t *failedAt = nullptr);
    void perform(const Action &action, Model &model);
    std::optional<QString> check(const Model &model) const;
    std::vector<Action> shrink(std::vector<Action> actions);

    tests::MainWindowFixture m_main;
};

namespace {

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

Action tst_RandomUser::draw(QRandomGenerator &random) const
{
    int total = 0;
    for (const auto &[kind, weight] : weights)
        total += weight;
    int ticket = random.bounded(total);
    Kind kind = Kind::ClickBox;
    for (const auto &[candidate, weight] : weights) {
        if (ticket < weight) {
            kind = candidate;
            break;
        }
        ticket -= weight;
    }
    switch (kind) {
    case Kind::ClickBox:
        return {kind, random.bounded(28)};
    case Kind::PickList:
    case Kind::MenuPane:
    case Kind::About:
        return {kind, random.bounded(8)};
    case Kind::QuitNo:
        return {kind, random.bounded(2)};
    default:
        return {kind, 0};
    }
}

void tst_RandomUser::perform(const Action &action, Model &model)
{
    ui::MainWindow *window = m_main.window();
    const auto key = [window](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window, key, modifiers);
    };
    // Waits for an animated click on the reset button, if it is to come.
    const auto resetByKey = [&](Qt::Key which, Qt::KeyboardModifiers modifiers) {
        QSignalSpy clicks(m_main.cmdClearAll(), &QPushButton::clicked);
        key(which, modifiers);
        if (model.visible[0]) {
            if (clicks.isEmpty())
                clicks.wait(1000);
            model.flags = 0;
        }
    };

    switch (action.kind) {
    case Kind::ClickBox: {
        runtime::CheckBox *box = m_main.chkflag(action.arg);
        if (!model.visible[flags::digitOf(action.arg)])
            return;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        model.flags ^= flags::maskOf(action.arg);
        return;
    }
    case Kind::SpaceOnFocus: {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return;
        QTest::keyClick(focus, Qt::Key_Space);
        for (int bit = 0; bit < 28; ++bit) {
            if (focus == m_main.chkflag(bit))
                model.flags ^= flags::maskOf(bit);
        }
        if (focus == m_main.cmdClearAll()) {
            model.flags = 0;
        } else if (focus == m_main.lstPane() && model.listIndex < 0) {
            // Space selects the list's current item.
            model.listIndex = m_main.lstPane()->currentRow();
            model.selectPane(model.listIndex);
        }
        return;
    }
    case Kind::PickList: {
        if (model.wide)
            return;
        runtime::ListBox *list = m_main.lstPane();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(action.arg)).center());
        model.listIndex = action.arg;
        model.selectPane(action.arg);
        return;
    }
    case Kind::MenuPane:
        m_main.mnuPane(action.arg)->trigger();
        model.selectPane(action.arg);
        return;
    case Kind::ViewSingle:
        m_main.action(u"mnuViewSingle"_s)->trigger();
        model.singleView();
        return;
    case Kind::ViewWide:
        m_main.action(u"mnuViewWide"_s)->trigger();
        model.wideView();
        return;
    case Kind::ShortcutSingle:
        key(Qt::Key_S, Qt::ControlModifier);
        model.singleView();
        return;
    case Kind::ShortcutWide:
        key(Qt::Key_W, Qt::ControlModifier);
        model.wideView();
        return;
    case Kind::ResetButton:
        if (!model.visible[0])
            return;
        QTest::mouseClick(m_main.cmdClearAll(), Qt::LeftButton);
        model.flags = 0;
        return;
    case Kind::ResetMenu:
        m_main.action(u"mnuFileClear"_s)->trigger();
        model.flags = 0;
        return;
    case Kind::AltR:
        resetByKey(Qt::Key_R, Qt::AltModifier);
        return;
    case Kind::Escape:
        resetByKey(Qt::Key_Escape, Qt::NoModifier);
        return;
    case Kind::AltD:
        key(Qt::Key_D, Qt::AltModifier);
        return;
    case Kind::Tab:
        if (QWidget *focus = QApplication::focusWidget())
            QTest::keyClick(focus, Qt::Key_Tab);
        return;
    case Kind::About: {
        const int way = action.arg % 4;
        const tests::ModalAnswer answer1([way](QWidget *about) {
            if (way == 0)
                about->findChild<QPushButton *>(u"Command1"_s)->click();
            else if (way == 1)
                QTest::keyClick(about->focusWidget(), Qt::Key_Return);
            else if (way == 2)
                QTest::keyClick(about->focusWidget(), Qt::Key_Escape);
            else
                about->close();
        });
        if (action.arg < 4)
            key(Qt::Key_F1);
        else
            m_main.action(u"mnuAbout"_s)->trigger();
        QApplication::setActiveWindow(window);
        return;
    }
    case Kind::QuitNo: {
        const tests::ModalAnswer answer2([](QWidget *box) {
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::No)->click();
        });
        if (action.arg)
            key(Qt::Key_Q, Qt::ControlModifier);
        else
            m_main.action(u"mnuFileExit"_s)->trigger();
        QApplication::setActiveWindow(window);
        return;
    }
    case Kind::MinimizeRestore:
        window->showMinimized();
        window->showNormal();
        QApplication::setActiveWindow(window);
        return;
    }
}

std::optional<QString> tst_RandomUser::check(const Model &model) const
{
    const auto fail = [](const QString &what) {
        return std::optional<QString>(what);
    };

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
        if (m_main.fraPane(pane)->isVisible() != model.visible[pane])
            return fail(u"pane %1 visibility"_s.arg(pane));
        if (m_main.mnuPane(pane)->isChecked() != model.checked[pane])
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

    if (QApplication::activeModalWidget())
        return fail(u"a modal window is still open"_s);
    if (auto *about = m_main.window()->findChild<QDialog *>(u"frmAbout"_s);
        about && about->isVisible())
        return fail(u"the About window is still open"_s);
    if (runtime::programHasEnded() || !m_main.window()->isVisible())
        return fail(u"the program has ended"_s);
    return std::nullopt;
}

std::optional<QString> tst_RandomUser::run(const std::vector<Action> &actions,
                                           std::size_t *failedAt)
{
    m_main.window()->showNormal();
    m_main.reset();
    Model model;
    for (std::size_t done = 0;; ++done) {
        if (auto failure = check(model)) {
            if (failedAt)
                *failedAt = done;
            return failure;
        }
        if (done == actions.size())
            return std::nullopt;
        perform(actions[done], model);
    }
}

// Removes ever smaller runs of actions while the rest still fails.
std::vector<Action> tst_RandomUser::shrink(std::vector<Action> actions)
{
    int budget = 400;
    for (std::size_t chunk = actions.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= actions.size() && budget > 0;) {
            std::vector<Action> shorter(actions.begin(), actions.begin() + start);
            shorter.insert(shorter.end(), actions.begin() + start + chunk, actions.end());
            --budget;
            if (run(shorter))
                actions = std::move(shorter);
            else
                start += chunk;
        }
    }
    return actions;
}

namespace {

int setting(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

void tst_RandomUser::randomUsers_data()
{
    QTest::addColumn<int>("seed");
    const int seeds = setting("BITLOOM_RANDOM_SEEDS", 3);
    const int firstSeed = setting("BITLOOM_RANDOM_FIRST_SEED", 1);
    for (int seed = firstSeed; seed < firstSeed + seeds; ++seed)
        QTest::addRow("seed %d", seed) << seed;
}

void tst_RandomUser::randomUsers()
{
    QFETCH(int, seed);
    const int length = setting("BITLOOM_RANDOM_ACTIONS", 1000);

    QRandomGenerator random(static_cast<quint32>(seed));
    std::vector<Action> actions;
    actions.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i)
        actions.push_back(draw(random));

    std::size_t failedAt = 0;
    const std::optional<QString> failure = run(actions, &failedAt);
    if (!failure)
        return;
    // A start that is already wrong fails every seed alike, before any action.
    QVERIFY2(failedAt > 0,
             qPrintable(u"seed %1: wrong before any action: %2"_s.arg(seed).arg(*failure)));

    actions.resize(failedAt);
    const std::vector<Action> shortest = shrink(actions);
    QString report = u"seed %1: %2 after action %3. Shortest failing run (%4 actions):"_s.arg(seed)
                         .arg(*failure)
                         .arg(failedAt)
                         .arg(shortest.size());
    for (const Action &action : shortest)
        report += u"\n    "_s % describe(action);
    if (const auto again = run(shortest))
        report += u"\n  which breaks: "_s % *again;
    QFAIL(qPrintable(report));
}

QTEST_MAIN(tst_RandomUser)
#include "tst_randomuser.moc"
