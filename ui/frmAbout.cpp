#include "frmAbout.h"

#include "frmAboutDefinition.h"
#include "runtime/EventHandler.h"
#include "runtime/Text.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace bitloom::ui {

namespace def = frmAboutDefinition;
using runtime::toPixels;
using runtime::toQString;

QString aboutCaption(const runtime::ProgramVersion &version)
{
    return u"Bitloom "_s % QString::number(version.majorVersion) % u'.'
           % QString::number(version.minorVersion) % u" Build:  "_s
           % QString::number(version.revision);
}

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(u"#"_s);
    setFixedSize(toPixels(def::clientWidth, def::clientHeight));

    txtAbout = new QPlainTextEdit(this);
    txtAbout->setObjectName(u"txtAbout"_s);
    txtAbout->setGeometry(toPixels(def::txtAbout));
    txtAbout->setReadOnly(true);
    txtAbout->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtAbout->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtAbout->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtAbout->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtAbout->setWordWrapMode(QTextOption::WordWrap);
    // The narrow inner margin of a classic edit box: the longest line fits.
    txtAbout->document()->setDocumentMargin(2);

    Command1 = new QPushButton(toQString(def::command1Caption), this);
    Command1->setObjectName(u"Command1"_s);
    Command1->setGeometry(toPixels(def::command1));
    // Enter presses the button as the default button; Esc reaches it through
    // the dialog's own cancel, which unloads the window in the same way.
    Command1->setDefault(true);
    setTabOrder(Command1, txtAbout);

    runtime::connectHandler(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmAbout::showModal()
{
    Form_Load();
    exec();
}

void frmAbout::Form_Load()
{
    setWindowTitle(aboutCaption(runtime::programVersion));
    // Every opening shows the whole text from its start, with nothing selected.
    QString text = toQString(def::aboutText);
    text.replace(u"\r\n"_s, u"\n"_s);
    txtAbout->setPlainText(text);
    Command1->setFocus(Qt::OtherFocusReason);
}

void frmAbout::Command1_Click()
{
    reject();
}

} // namespace bitloom::ui
