#include "core/FlagToolTip.h"
#include "flags/FlagCatalogue.h"
#include "qt/runtime/Line.h"
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

void addControl(const QString &name, const QString &container, TwipsRect rect, int tabIndex,
                const QString &text)
{
    QTest::newRow(name.toUtf8()) << name << container << rect << tabIndex << text;
}

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

} // namespace

void tst_MainWindowLayout::initTestCase()
{
    QVERIFY(m_main.start());
}

void tst_MainWindowLayout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<TwipsRect>("rect");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<QString>("text");

    addControl(u"lstPane"_s, u"frmMain"_s, {120, 240, 915, 4155}, 0, u""_s);
    addControl(u"fraPane(0)"_s, u"frmMain"_s, {1200, 120, 3375, 4215}, 1, u"Résumé"_s);
    addControl(u"lblIntroduction"_s, u"fraPane(0)"_s, {120, 360, 3135, 975}, 2,
               u"Cette utilitaire est conçu pour GTA: Vice-City, bien que les chiffres 1-4 "
               u"soient les mêmes que dans GTA3. Donc vous pouvez créer les données pour GTA3 "
               u"si vous utilisez seulement ces chiffres."_s);
    addControl(u"lblOutput"_s, u"fraPane(0)"_s, {240, 1980, 1290, 255}, 3, u"&Données du Flag:"_s);
    addControl(u"txtOutput"_s, u"fraPane(0)"_s, {1560, 1920, 1575, 345}, 4, u"0"_s);
    addControl(u"lblInstructions"_s, u"fraPane(0)"_s, {120, 2400, 3135, 495}, 66,
               u"Copier dans la colonne \"ae\" du fichier handling \"\\data\\handling.cfg\" "_s);
    addControl(u"cmdClearAll"_s, u"fraPane(0)"_s, {840, 3360, 1695, 495}, 67,
               u"&Réinitialiser les Flags"_s);

    const QStringList captions{u"1er Chiffre"_s, u"2e Chiffre"_s, u"3e Chiffre"_s, u"4e Chiffre"_s,
                               u"5e Chiffre"_s,  u"6e Chiffre"_s, u"7e Chiffre"_s};
    for (int digit = 1; digit <= 7; ++digit) {
        const QString pane = u"fraPane(%1)"_s.arg(digit);
        // Loaded in single view: every pane stands on the summary pane's spot.
        addControl(pane, u"frmMain"_s, {1200, 120, 3375, 4215}, 5 + 9 * (digit - 1),
                   captions[digit - 1]);
        for (int row = 0; row < 4; ++row) {
            const int bit = 4 * (digit - 1) + row;
            const flags::Flag &flag = flags::flagAt(bit);
            addControl(u"chkflag(%1)"_s.arg(bit), pane,
                       {bit == 27 ? 120 : 240, 240 + 960 * row, 3015, 255},
                       bit == 27 ? 68 : 7 + 9 * (digit - 1) + 2 * row,
                       runtime::toQString(flag.name));
            addControl(u"lblDescription(%1)"_s.arg(bit), pane,
                       {120, 480 + 960 * row, bit == 5 ? 3190 : 3135, 735},
                       bit == 27 ? 69 : 6 + 9 * (digit - 1) + 2 * row,
                       runtime::toQString(flag.description));
        }
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
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<int>("y");

    QTest::newRow("summary") << u"linSummarySplitter"_s << u"fraPane(0)"_s << 120 << 3240 << 1560;
    QTest::newRow("menu") << u"linMenuSplitter"_s << u"client"_s << 0 << 15240 << 0;
}

// Each rule reads as one etched line: a shadow row above a highlight row.
void tst_MainWindowLayout::separatorRules()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(int, x1);
    QFETCH(int, x2);
    QFETCH(int, y);

    auto *shadow = m_main.control<runtime::Line>(name, 0);
    auto *highlight = m_main.control<runtime::Line>(name, 1);
    QVERIFY(shadow && highlight);
    QCOMPARE(shadow->parentWidget()->objectName(), container);
    QCOMPARE(shadow->colorRole(), QPalette::Dark);
    QCOMPARE(highlight->colorRole(), QPalette::Light);
    for (const runtime::Line *line : {shadow, highlight}) {
        QCOMPARE(line->x(), runtime::toPixels(x1));
        QCOMPARE(line->width(), runtime::toPixels(x2) - runtime::toPixels(x1));
    }

    QWidget *parent = shadow->parentWidget();
    const QImage image = parent->grab().toImage();
    const int x = qMin(image.width() - 1, runtime::toPixels(x1) + 20);
    const int row = runtime::toPixels(y);
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
    // Check marks as loaded: single view on, summary pane chosen.
    const QList<Item> expected{
        {0, u"mnuFile"_s, u"&Fichier"_s, {}, false},
        {1, u"mnuFileClear"_s, u"&Réinitialiser les flags"_s, {}, false},
        {1, u"mnuFileSep"_s, {}, {}, false},
        {1, u"mnuFileExit"_s, u"&Quitter"_s, QKeySequence(u"Ctrl+Q"_s), false},
        {0, u"mnuEdit"_s, u"&Edition"_s, {}, false},
        {1, u"mnuEditUndo"_s, u"&Annuler"_s, QKeySequence(u"Ctrl+Z"_s), false},
        {1, u"mnuEditRedo"_s, u"&Rétablir"_s, QKeySequence(u"Ctrl+Y"_s), false},
        {1, u"mnuEditSep"_s, {}, {}, false},
        {1, u"mnuEditCopy"_s, u"&Copier la valeur"_s, QKeySequence(u"Ctrl+C"_s), false},
        {1, u"mnuEditPaste"_s, u"C&oller une valeur"_s, QKeySequence(u"Ctrl+V"_s), false},
        {1, u"mnuEditType"_s, u"&Saisir une valeur..."_s, {}, false},
        {0, u"mnuWindow"_s, u"&Affichage"_s, {}, false},
        {1, u"mnuPane(0)"_s, u"&Résumé"_s, {}, true},
        {1, u"mnuPane(1)"_s, u"&1e Chiffre"_s, {}, false},
        {1, u"mnuPane(2)"_s, u"&2e Chiffre"_s, {}, false},
        {1, u"mnuPane(3)"_s, u"&3e Chiffre"_s, {}, false},
        {1, u"mnuPane(4)"_s, u"&4e Chiffre"_s, {}, false},
        {1, u"mnuPane(5)"_s, u"&5e Chiffre"_s, {}, false},
        {1, u"mnuPane(6)"_s, u"&6e Chiffre"_s, {}, false},
        {1, u"mnuPane(7)"_s, u"&7e Chiffre"_s, {}, false},
        {1, u"mnuViewSep"_s, {}, {}, false},
        {1, u"mnuViewSingle"_s, u"&Une rangée, Une Colonne (Simple)"_s, QKeySequence(u"Ctrl+S"_s),
         true},
        {1, u"mnuViewWide"_s, u"&Deux Rangées, Quatre Colonnes (Larges)"_s,
         QKeySequence(u"Ctrl+W"_s), false},
        {0, u"mnuHelp"_s, u"&Aide"_s, {}, false},
        {1, u"mnuAbout"_s, u"&A propos"_s, QKeySequence(u"F1"_s), false},
    };

    QList<Item> actual;
    for (QAction *top : m_main.window()->menuBar()->actions()) {
        actual.append({0, top->menu()->objectName(), top->text(), {}, false});
        for (QAction *item : top->menu()->actions()) {
            QVERIFY(item->isVisible());
            // With nothing done yet, there is nothing to undo or redo.
            const bool history = item->objectName() == u"mnuEditUndo"_s
                                 || item->objectName() == u"mnuEditRedo"_s;
            QCOMPARE(item->isEnabled(), !history);
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
