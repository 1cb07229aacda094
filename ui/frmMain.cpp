#include "frmMain.h"

#include "frmAbout.h"
#include "frmMainDefinition.h"
#include "runtime/CheckBox.h"
#include "runtime/EventHandler.h"
#include "runtime/Line.h"
#include "runtime/ListBox.h"
#include "runtime/Program.h"
#include "runtime/QuestionBox.h"
#include "runtime/Text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace bitloom::ui {

namespace def = frmMainDefinition;
using runtime::toPixels;
using runtime::toQString;
using runtime::toTwips;

namespace {

// Every control that takes part in the tab order carries its index as this
// property, so that the order can be built, and checked, from one place.
constexpr char tabIndexProperty[] = "TabIndex";

QString indexedName(QStringView name, int index)
{
    return name % u'(' % QString::number(index) % u')';
}

template <typename Widget>
Widget *placed(Widget *widget, const QString &name, const def::Control &control)
{
    widget->setObjectName(name);
    widget->setGeometry(toPixels(control.rect));
    widget->setProperty(tabIndexProperty, control.tabIndex);
    return widget;
}

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QAction *menuItem(QMenu *menu, const QString &name, std::string_view caption)
{
    QAction *action = menu->addAction(toQString(caption));
    action->setObjectName(name);
    // Where the platform moves items by their text (macOS: "Quitter", "A
    // propos"), the menus would no longer read as designed.
    action->setMenuRole(QAction::NoRole);
    return action;
}

} // namespace

frmMain::frmMain(QWidget *parent)
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

    buildList(client);
    buildSummaryPane(client);
    buildDigitPanes(client);
    buildRules(client);
    buildMenus();
    buildTabOrder();
    connectHandlers();

    Form_Load();
    lstPane->setFocus(Qt::OtherFocusReason);
}

frmMain::~frmMain()
{
    runtime::endProgram();
}

void frmMain::buildList(QWidget *client)
{
    lstPane = placed(new runtime::ListBox(client), u"lstPane"_s, def::lstPane);
    // Item k names pane k: the summary, then each digit by its caption.
    lstPane->addItem(toQString(def::fraPane0.text));
    for (int digit = 1; digit <= flags::digitCount; ++digit)
        lstPane->addItem(toQString(flags::digitCaption(digit)));
}

void frmMain::buildSummaryPane(QWidget *client)
{
    auto *summary = placed(new QGroupBox(toQString(def::fraPane0.text), client),
                           indexedName(u"fraPane", 0), def::fraPane0);
    fraPane[0] = summary;

    lblIntroduction = placed(wrappedLabel(toQString(def::lblIntroduction.text), summary),
                             u"lblIntroduction"_s, def::lblIntroduction);
    lblOutput = placed(wrappedLabel(toQString(def::lblOutput.text), summary), u"lblOutput"_s,
                       def::lblOutput);
    lblOutput->setTextFormat(Qt::AutoText);

    txtOutput = placed(new QLineEdit(toQString(def::txtOutput.text), summary), u"txtOutput"_s,
                       def::txtOutput);
    // Locked: the text can be selected and copied, never edited by the user.
    txtOutput->setReadOnly(true);
    QFont outputFont(toQString(def::outputFontFamily));
    outputFont.setPointSizeF(def::outputFontPointSize);
    outputFont.setWeight(QFont::Normal);
    txtOutput->setFont(outputFont);
    lblOutput->setBuddy(txtOutput);

    lblInstructions = placed(wrappedLabel(toQString(def::lblInstructions.text), summary),
                             u"lblInstructions"_s, def::lblInstructions);
    cmdClearAll = placed(new QPushButton(toQString(def::cmdClearAll.text), summary),
                         u"cmdClearAll"_s, def::cmdClearAll);
    cmdClearAll->setAutoDefault(false);
    // The reset button is also the window's cancel button: Esc clicks it
    // while the summary pane is shown.
    auto *cancel = new QShortcut(QKeySequence(Qt::Key_Escape), cmdClearAll);
    connect(cancel, &QShortcut::activated, cmdClearAll, &QPushButton::click);
}

void frmMain::buildDigitPanes(QWidget *client)
{
    for (int digit = 1; digit <= flags::digitCount; ++digit) {
        auto *pane = new QGroupBox(toQString(flags::digitCaption(digit)), client);
        pane->setObjectName(indexedName(u"fraPane", digit));
        pane->resize(toPixels(def::paneWidth), toPixels(def::paneHeight));
        pane->setProperty(tabIndexProperty, def::fraPaneTabIndex(digit));
        pane->hide();
        fraPane[static_cast<std::size_t>(digit)] = pane;

        for (int bit : flags::bitsOfDigit(digit)) {
            const flags::Flag &flag = flags::flagAt(bit);
            auto *box = placed(new runtime::CheckBox(toQString(flag.name), pane),
                               indexedName(u"chkflag", bit),
                               {def::chkflagRect(bit), def::chkflagTabIndex(bit), flag.name});
            auto *description = placed(
                wrappedLabel(toQString(flag.description), pane),
                indexedName(u"lblDescription", bit),
                {def::lblDescriptionRect(bit), def::lblDescriptionTabIndex(bit), flag.description});
            chkflag[static_cast<std::size_t>(bit)] = box;
            lblDescription[static_cast<std::size_t>(bit)] = description;
        }
    }
}

void frmMain::buildRules(QWidget *client)
{
    // The thinner line of each pair lies on top, so each rule shows its shadow
    // row above its highlight row.
    const auto rule = [](const def::Rule &r, const QString &name, QWidget *parent) {
        auto *shadow = new runtime::Line(QPalette::Dark, r.shadowPixels, r.x1, r.x2, r.y, parent);
        auto *highlight
            = new runtime::Line(QPalette::Light, r.highlightPixels, r.x1, r.x2, r.y, parent);
        shadow->setObjectName(indexedName(name, 0));
        highlight->setObjectName(indexedName(name, 1));
        if (r.shadowPixels < r.highlightPixels)
            shadow->raise();
        else
            highlight->raise();
    };
    rule(def::linSummarySplitter, u"linSummarySplitter"_s, fraPane[0]);
    rule(def::linMenuSplitter, u"linMenuSplitter"_s, client);
}

void frmMain::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(toQString(def::mnuFile));
    mnuFile->setObjectName(u"mnuFile"_s);
    mnuFileClear = menuItem(mnuFile, u"mnuFileClear"_s, def::mnuFileClear);
    mnuFile->addSeparator()->setObjectName(u"mnuFileSep"_s);
    mnuFileExit = menuItem(mnuFile, u"mnuFileExit"_s, def::mnuFileExit);
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *mnuWindow = menuBar()->addMenu(toQString(def::mnuWindow));
    mnuWindow->setObjectName(u"mnuWindow"_s);
    for (int pane = 0; pane < paneCount; ++pane) {
        QAction *item = menuItem(mnuWindow, indexedName(u"mnuPane", pane),
                                 def::mnuPane[static_cast<std::size_t>(pane)]);
        item->setCheckable(true);
        item->setChecked(pane == 0);
        mnuPane[static_cast<std::size_t>(pane)] = item;
    }
    mnuWindow->addSeparator()->setObjectName(u"mnuViewSep"_s);
    mnuViewSingle = menuItem(mnuWindow, u"mnuViewSingle"_s, def::mnuViewSingle);
    mnuViewSingle->setCheckable(true);
    mnuViewSingle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuViewWide = menuItem(mnuWindow, u"mnuViewWide"_s, def::mnuViewWide);
    mnuViewWide->setCheckable(true);
    mnuViewWide->setChecked(true);
    mnuViewWide->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu *mnuHelp = menuBar()->addMenu(toQString(def::mnuHelp));
    mnuHelp->setObjectName(u"mnuHelp"_s);
    mnuAbout = menuItem(mnuHelp, u"mnuAbout"_s, def::mnuAbout);
    mnuAbout->setShortcut(QKeySequence(Qt::Key_F1));
}

void frmMain::buildTabOrder()
{
    std::vector<QWidget *> chain;
    for (QWidget *widget : centralWidget()->findChildren<QWidget *>()) {
        if (widget->property(tabIndexProperty).isValid() && (widget->focusPolicy() & Qt::TabFocus))
            chain.push_back(widget);
    }
    std::sort(chain.begin(), chain.end(), [](const QWidget *a, const QWidget *b) {
        return a->property(tabIndexProperty).toInt() < b->property(tabIndexProperty).toInt();
    });
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmMain::connectHandlers()
{
    using runtime::connectHandler;
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        connectHandler(chkflag[static_cast<std::size_t>(bit)], &runtime::CheckBox::clickEvent, this,
                       [this, bit] { chkflag_Click(bit); });
    }
    connectHandler(cmdClearAll, &QPushButton::clicked, this, [this] { cmdClearAll_Click(); });
    connectHandler(lstPane, &runtime::ListBox::clickEvent, this, [this] { lstPane_Click(); });
    connectHandler(mnuFileClear, &QAction::triggered, this, [this] { mnuFileClear_Click(); });
    connectHandler(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    for (int pane = 0; pane < paneCount; ++pane) {
        connectHandler(mnuPane[static_cast<std::size_t>(pane)], &QAction::triggered, this,
                       [this, pane] { mnuPane_Click(pane); });
    }
    connectHandler(mnuViewSingle, &QAction::triggered, this, [this] { mnuViewSingle_Click(); });
    connectHandler(mnuViewWide, &QAction::triggered, this, [this] { mnuViewWide_Click(); });
    connectHandler(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void frmMain::setClientSize(int widthTwips, int heightTwips)
{
    centralWidget()->setFixedSize(toPixels(widthTwips, heightTwips));
    layout()->activate();
}

PaneIndex frmMain::listIndex() const
{
    const QModelIndexList selected = lstPane->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? PaneIndex::None : paneIndex(selected.first().row());
}

void frmMain::Form_Load()
{
    // Stack every pane on the summary pane's spot.
    for (QWidget *pane : fraPane)
        pane->move(fraPane[0]->pos());
    mnuViewSingle_Click();
}

void frmMain::chkflag_Click(int)
{
    modCommon::recompute(chkflag, *txtOutput);
}

void frmMain::cmdClearAll_Click()
{
    modCommon::resetFlags(chkflag);
}

void frmMain::lstPane_Click()
{
    modCommon::selectPane(listIndex(), fraPane, mnuPane);
}

void frmMain::mnuFileClear_Click()
{
    modCommon::resetFlags(chkflag);
}

void frmMain::mnuFileExit_Click()
{
    const runtime::Answer answer
        = runtime::QuestionBox::ask(toQString(def::quitMessage), toQString(def::quitTitle), this);
    if (answer == runtime::Answer::Yes)
        runtime::endProgram();
}

void frmMain::mnuPane_Click(int index)
{
    modCommon::selectPane(paneIndex(index), fraPane, mnuPane);
}

void frmMain::mnuViewSingle_Click()
{
    mnuViewSingle->setChecked(true);
    mnuViewWide->setChecked(false);
    for (QWidget *pane : fraPane)
        pane->hide();
    for (QWidget *pane : fraPane)
        pane->move(toPixels(def::singleViewPaneLeft), toPixels(def::singleViewPaneTop));
    lstPane->show();
    setClientSize(def::singleViewClientWidth, def::singleViewClientHeight);
    modCommon::selectPane(listIndex(), fraPane, mnuPane);
}

void frmMain::mnuViewWide_Click()
{
    mnuViewSingle->setChecked(false);
    mnuViewWide->setChecked(true);
    setClientSize(def::wideViewClientWidth, def::wideViewClientHeight);
    lstPane->hide();
    for (int pane = 0; pane < paneCount; ++pane) {
        // Each pane is placed from the summary pane's size, read afresh.
        const int width = toTwips(fraPane[0]->width());
        const int height = toTwips(fraPane[0]->height());
        const int column = pane % 4;
        const int top = pane < 4 ? def::paneMargin : height + 2 * def::paneMargin;
        const int left = (width + def::paneMargin) * column + def::paneMargin;
        fraPane[static_cast<std::size_t>(pane)]->move(toPixels(left), toPixels(top));
    }
    for (QWidget *pane : fraPane)
        pane->show();
}

void frmMain::mnuAbout_Click()
{
    if (!aboutWindow)
        aboutWindow = new frmAbout(this);
    aboutWindow->showModal();
}

} // namespace bitloom::ui
