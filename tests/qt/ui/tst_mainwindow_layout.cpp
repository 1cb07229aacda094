#include "core/FlagToolTip.h"
#include "core/MainWindowDefinition.h"
#include "core/MenuDefinition.h"
#include "core/ObjectName.h"
#include "flags/FlagCatalogue.h"
#include "qt/runtime/Rule.h"
#include "qt/runtime/Text.h"
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QMenuBar>
#include <QStyleOptionButton>
#include <QToolTip>
#include <set>

using namespace Qt::StringLiterals;

using namespace bitloom;
using core::TwipsRect;
namespace def = core::mainWindow;

Q_DECLARE_METATYPE(TwipsRect)

// The main window as built and loaded: every control where and as it should
// be, in twips, and every text readable in full.
class tst_MainWindowLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void controls_data();
    void controls();
    void everyTabIndexOnce();
    void paneList();
    void separatorRules_data();
    void separatorRules();
    void menuTree();
    void fonts();
    void labelsShowTheirWholeText();
    void captionsFitTheirControls();
    void fixedWindowWithIcon();
    void flagToolTips();
    void hoverShowsTheToolTip();

private:
    tests::MainWindowFixture m_main;
};

namespace {

QString textOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    return {};
}

bool closeTo(const TwipsRect &actual, const TwipsRect &expected)
{
    // Within half a pixel: twips that are no whole pixel round to the nearest.
    const auto near = [](int a, int b) {
        return qAbs(a - b) <= core::twipsPerPixel / 2;
    };
    return near(actual.left, expected.left) && near(actual.top, expected.top)
           && near(actual.width, expected.width) && near(actual.height, expected.height);
}

QString show(const TwipsRect &r)
{
    return u"(%1, %2, %3 x %4)"_s.arg(r.left).arg(r.top).arg(r.width).arg(r.height);
}

QString nameOf(std::string_view name, int index)
{
    return QString::fromStdString(core::objectName(name, index));
}

} // namespace

void tst_MainWindowLayout::initTestCase()
{
    QVERIFY(m_main.start());
}

// Every control of the list, where the window should hold it as loaded.
void tst_MainWindowLayout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<TwipsRect>("rect");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<QString>("text");

    for (const def::ControlEntry &entry : def::controls) {
        const QString name = nameOf(entry.name, entry.index);
        // Loaded in single view: every pane stands on the summary pane's spot.
        const TwipsRect rect
            = entry.kind == def::ControlKind::Frame ? def::summaryPane.rect : entry.rect;
        QTest::newRow(name.toUtf8())
            << name << (entry.pane < 0 ? u"frmMain"_s : nameOf("fraPane", entry.pane)) << rect
            << entry.tabIndex << runtime::toQString(entry.text);
    }
}

void tst_MainWindowLayout::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(TwipsRect, rect);
    QFETCH(int, tabIndex);
    QFETCH(QString, text);

    auto *widget = m_main.control<QWidget>(name);
    QVERIFY2(widget, qPrintable(name));
    const QWidget *parent = widget->parentWidget();
    const QString parentName
        = parent == m_main.window()->centralWidget() ? u"frmMain"_s : parent->objectName();
    QCOMPARE(parentName, container);

    const TwipsRect actual = runtime::toTwips(widget->geometry());
    QVERIFY2(closeTo(actual, rect), qPrintable(show(actual) % u" != "_s % show(rect)));
    QCOMPARE(widget->property("TabIndex").toInt(), tabIndex);
    QCOMPARE(textOf(widget), text);
}

void tst_MainWindowLayout::everyTabIndexOnce()
{
    std::multiset<int> indices;
    for (QWidget *widget : m_main.window()->findChildren<QWidget *>()) {
        if (widget->property("TabIndex").isValid())
            indices.insert(widget->property("TabIndex").toInt());
    }
    QCOMPARE(indices.size(), std::size_t{70});
    QCOMPARE(std::set<int>(indices.begin(), indices.end()).size(), std::size_t{70});
    QCOMPARE(*indices.begin(), 0);
    QCOMPARE(*indices.rbegin(), 69);
}

void tst_MainWindowLayout::paneList()
{
    QListWidget *list = m_main.lstPane();
    const QStringList items{u"Résumé"_s,     u"1er Chiffre"_s, u"2e Chiffre"_s, u"3e Chiffre"_s,
                            u"4e Chiffre"_s, u"5e Chiffre"_s,  u"6e Chiffre"_s, u"7e Chiffre"_s};
    QCOMPARE(list->count(), items.size());
    for (int row = 0; row < list->count(); ++row)
        QCOMPARE(list->item(row)->text(), items[row]);
    QVERIFY(!list->isSortingEnabled());
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(QApplication::focusWidget(), list);
}

void tst_MainWindowLayout::separatorRules_data()
{
    QTest::addColumn<int>("rule");
    for (std::size_t rule = 0; rule < def::rules.size(); ++rule)
        QTest::newRow(def::rules[rule].name.data()) << int(rule);
}

// Each rule reads as one etched line: a shadow row above a highlight row.
void tst_MainWindowLayout::separatorRules()
{
    QFETCH(int, rule);
    const def::Rule &definition = def::rules[static_cast<std::size_t>(rule)];
    auto *shadow = m_main.control<runtime::Rule>(runtime::toQString(definition.name), 0);
    auto *highlight = m_main.control<runtime::Rule>(runtime::toQString(definition.name), 1);
    QVERIFY(shadow && highlight);
    QCOMPARE(shadow->parentWidget()->objectName(),
             definition.pane < 0 ? u"client"_s : nameOf("fraPane", definition.pane));
    QCOMPARE(shadow->colorRole(), QPalette::Dark);
    QCOMPARE(highlight->colorRole(), QPalette::Light);
    for (const runtime::Rule *line : {shadow, highlight}) {
        QCOMPARE(line->x(), runtime::toPixels(definition.x1));
        QCOMPARE(line->width(),
                 runtime::toPixels(definition.x2) - runtime::toPixels(definition.x1));
    }

    QWidget *parent = shadow->parentWidget();
    const QImage image = parent->grab().toImage();
    const int x = qMin(image.width() - 1, runtime::toPixels(definition.x1) + 20);
    const int row = runtime::toPixels(definition.y);
    const int shadowRow = qMax(0, row - 1);
    QCOMPARE(image.pixel(x, shadowRow), parent->palette().color(QPalette::Dark).rgb());
    QCOMPARE(image.pixel(x, shadowRow + 1), parent->palette().color(QPalette::Light).rgb());
}

void tst_MainWindowLayout::menuTree()
{
    struct Item {
        int level;
        QString name;
        QString caption;
        QKeySequence shortcut;
        bool checked;
    };
    // As defined, with the check marks as loaded: single view on, summary
    // pane chosen.
    QList<Item> expected;
    for (const core::Menu &menu : core::menuBar) {
        expected.append(
            {0, runtime::toQString(menu.name), runtime::toQString(menu.caption), {}, false});
        for (const core::MenuItem &item : menu.items) {
            const QString name = nameOf(item.name, item.index);
            const bool checked = name == u"mnuPane(0)"_s || name == u"mnuViewSingle"_s;
            expected.append({1, name, runtime::toQString(item.caption),
                             QKeySequence(runtime::toQString(core::shortcutText(item.shortcut))
                                              .replace(u"Maj+"_s, u"Shift+"_s)),
                             checked});
        }
    }
    QCOMPARE(expected.size(), 26);

    QList<Item> actual;
    for (QAction *top : m_main.window()->menuBar()->actions()) {
        actual.append({0, top->menu()->objectName(), top->text(), {}, false});
        for (QAction *item : top->menu()->actions()) {
            QVERIFY(item->isVisible());
            // With nothing done yet, there is nothing to undo or redo, and
            // no line to give back.
            const bool off = item->objectName() == u"mnuEditUndo"_s
                             || item->objectName() == u"mnuEditRedo"_s
                             || item->objectName() == u"mnuEditCopyLine"_s;
            QCOMPARE(item->isEnabled(), !off);
            actual.append({1, item->objectName(), item->isSeparator() ? QString() : item->text(),
                           item->shortcut(), item->isChecked()});
        }
    }
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(actual[i].level, expected[i].level);
        QCOMPARE(actual[i].name, expected[i].name);
        QCOMPARE(actual[i].caption, expected[i].caption);
        QCOMPARE(actual[i].shortcut, expected[i].shortcut);
        QCOMPARE(actual[i].checked, expected[i].checked);
    }
}

void tst_MainWindowLayout::fonts()
{
    const QFont output = m_main.txtOutput()->font();
    QCOMPARE(output.family(), u"Century Gothic"_s);
    QCOMPARE(output.pointSizeF(), 9.75);
    QCOMPARE(output.weight(), QFont::Normal);
    QVERIFY(!output.italic() && !output.underline() && !output.strikeOut());
    // Where Century Gothic is missing, its metric twin stands in.
    const QString shown = QFontInfo(output).family();
    QVERIFY2(shown == u"Century Gothic"_s || shown.startsWith(u"URW Gothic"_s), qPrintable(shown));

    for (QWidget *widget : m_main.window()->centralWidget()->findChildren<QWidget *>()) {
        if (widget != m_main.txtOutput() && widget->parentWidget() != m_main.txtOutput())
            QCOMPARE(widget->font(), QApplication::font());
    }
}

void tst_MainWindowLayout::labelsShowTheirWholeText()
{
    for (QLabel *label : m_main.window()->findChildren<QLabel *>()) {
        const QRect box = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(0, 0, box.width(), 10000), Qt::TextWordWrap | Qt::TextShowMnemonic,
            label->text());
        QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(),
                 qPrintable(label->objectName() % u": needs "_s % QString::number(needed.width())
                            % u'x' % QString::number(needed.height()) % u", has "_s
                            % QString::number(box.width()) % u'x' % QString::number(box.height())));
    }
}

void tst_MainWindowLayout::captionsFitTheirControls()
{
    for (QCheckBox *box : m_main.window()->findChildren<QCheckBox *>()) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        const QFontMetrics metrics = box->fontMetrics();
        QVERIFY2(metrics.horizontalAdvance(box->text()) <= room.width(),
                 qPrintable(box->objectName()));
        QVERIFY2(metrics.height() <= room.height(), qPrintable(box->objectName()));
    }

    QPushButton *button = m_main.cmdClearAll();
    QVERIFY(button->sizeHint().width() <= button->width());
    QVERIFY(button->sizeHint().height() <= button->height());

    QListWidget *list = m_main.lstPane();
    for (int row = 0; row < list->count(); ++row) {
        const QRect itemRect = list->visualItemRect(list->item(row));
        QVERIFY(list->viewport()->rect().contains(itemRect));
        QVERIFY(list->fontMetrics().horizontalAdvance(list->item(row)->text()) < itemRect.width());
    }

    for (QGroupBox *pane : m_main.window()->findChildren<QGroupBox *>()) {
        QVERIFY2(pane->fontMetrics().horizontalAdvance(pane->title()) < pane->width() / 2,
                 qPrintable(pane->objectName()));
    }
}

void tst_MainWindowLayout::fixedWindowWithIcon()
{
    ui::MainWindow *window = m_main.window();
    QCOMPARE(window->windowTitle(), u"Bitloom"_s);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->minimumSize(), window->maximumSize());

    const QList<QSize> sizes = window->windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

// Each box says where its flag sits in the value; nothing else has a tooltip.
void tst_MainWindowLayout::flagToolTips()
{
    QCOMPARE(m_main.chkflag(7)->toolTip(), u"0x80 : 2e chiffre, valeur 8"_s);
    for (int bit = 0; bit < flags::flagCount; ++bit)
        QCOMPARE(m_main.chkflag(bit)->toolTip(), runtime::toQString(core::flagToolTip(bit)));
    for (QWidget *widget : m_main.window()->findChildren<QWidget *>()) {
        if (!qobject_cast<runtime::CheckBox *>(widget))
            QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
    }
}

void tst_MainWindowLayout::hoverShowsTheToolTip()
{
    m_main.mnuPane(2)->trigger();
    QCheckBox *box = m_main.chkflag(7);
    QVERIFY(box->isVisible());
    const QPoint at = box->rect().center();
    QHelpEvent hover(QEvent::ToolTip, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u"0x80 : 2e chiffre, valeur 8"_s);
    QToolTip::hideText();
    m_main.reset();
}

QTEST_MAIN(tst_MainWindowLayout)
#include "tst_mainwindow_layout.moc"
