#include "AboutWindow.h"

#include "core/AboutCaption.h"
#include "core/AboutWindowDefinition.h"
#include "qt/runtime/EventHandler.h"
#include "qt/runtime/Text.h"
#include "qt/runtime/Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace bitloom::ui {

namespace def = core::aboutWindow;
using runtime::toPixels;
using runtime::toQString;

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(u"#"_s);
    setFixedSize(toPixels(def::clientSize));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(u"txtAbout"_s);
    m_text->setGeometry(toPixels(def::textBox));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setWordWrapMode(QTextOption::WordWrap);
    // The narrow inner margin of a classic edit box: the longest line fits.
    m_text->document()->setDocumentMargin(2);

    m_closeButton = new QPushButton(toQString(def::closeButtonCaption), this);
    m_closeButton->setObjectName(u"Command1"_s);
    m_closeButton->setGeometry(toPixels(def::closeButton));
    // Enter presses the button as the default button; Esc reaches it through
    // the dialog's own cancel, which unloads the window in the same way.
    m_closeButton->setDefault(true);
    setTabOrder(m_closeButton, m_text);

    runtime::connectHandler(m_closeButton, &QPushButton::clicked, this, [this] { reject(); });
}

void AboutWindow::showModal()
{
    load();
    exec();
}

void AboutWindow::load()
{
    setWindowTitle(toQString(core::aboutCaption(core::programVersion)));
    // Every opening shows the whole text from its start, with nothing selected.
    QString text = toQString(def::aboutText);
    text.replace(u"\r\n"_s, u"\n"_s);
    m_text->setPlainText(text);
    m_closeButton->setFocus(Qt::OtherFocusReason);
}

} // namespace bitloom::ui
