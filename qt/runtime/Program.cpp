#include "Program.h"

#include "Style.h"
#include "core/ProgramVersion.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace bitloom::runtime {

namespace {

// Once the program has ended, swallows every event of every object.
class EventSink : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *) override { return true; }
};

bool ended = false;

} // namespace

void initializeProgram(QApplication &application)
{
    QApplication::setApplicationName(u"Bitloom"_s);
    QApplication::setApplicationVersion(QString::fromLatin1(core::programVersionText));

    const QLocale french(QLocale::French, QLocale::France);
    QLocale::setDefault(french);
    auto *translator = new QTranslator(&application);
    if (translator->load(french, u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    // Fusion, whatever the desktop's style: the twips were checked against its
    // metrics. Group boxes take the classic look (see Style).
    QApplication::setStyle(new Style);

    // An Arial-metric dialog font, fully hinted as on the classic Windows
    // desktop: so measured, every caption and description fits its box.
    QFont dialogFont;
    dialogFont.setFamilies({u"Liberation Sans"_s, u"Arial"_s});
    dialogFont.setPointSize(8);
    dialogFont.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(dialogFont);
    // The output box asks for Century Gothic; URW Gothic shares its metrics.
    QFont::insertSubstitution(u"Century Gothic"_s, u"URW Gothic"_s);
}

void endProgram()
{
    if (ended)
        return;
    ended = true;
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::instance()->installEventFilter(new EventSink(QCoreApplication::instance()));
    QCoreApplication::exit(0);
}

bool programHasEnded()
{
    return ended;
}

} // namespace bitloom::runtime
