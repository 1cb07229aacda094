#include "cli/CommandLine.h"
#include "support/StdText.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom::cli;
using namespace bitloom::handling;
using bitloom::tests::Arguments;
using bitloom::tests::text;

Q_DECLARE_METATYPE(Command)

class tst_CommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void accepted_data();
    void accepted();
    void usageErrors_data();
    void usageErrors();
};

void tst_CommandLine::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("json");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QStringList>("operands");

    QTest::newRow("decode") << QStringList{u"decode"_s, u"1"_s, u"2"_s} << Command::Decode << false
                            << u"vc"_s << QStringList{u"1"_s, u"2"_s};
    QTest::newRow("json before") << QStringList{u"--json"_s, u"encode"_s, u"IS_BUS"_s}
                                 << Command::Encode << true << u"vc"_s << QStringList{u"IS_BUS"_s};
    QTest::newRow("json after") << QStringList{u"encode"_s, u"IS_BUS"_s, u"--json"_s}
                                << Command::Encode << true << u"vc"_s << QStringList{u"IS_BUS"_s};
    QTest::newRow("game, separate") << QStringList{u"--game"_s, u"gta3"_s, u"scan"_s, u"f"_s}
                                    << Command::Scan << false << u"gta3"_s << QStringList{u"f"_s};
    QTest::newRow("game, joined") << QStringList{u"scan"_s, u"f"_s, u"--game=gta3"_s}
                                  << Command::Scan << false << u"gta3"_s << QStringList{u"f"_s};
    QTest::newRow("last game wins")
        << QStringList{u"--game=gta3"_s, u"--game=vc"_s, u"decode"_s, u"1"_s} << Command::Decode
        << false << u"vc"_s << QStringList{u"1"_s};
    QTest::newRow("operand after --")
        << QStringList{u"decode"_s, u"--"_s, u"-1"_s, u"--json"_s} << Command::Decode << false
        << u"vc"_s << QStringList{u"-1"_s, u"--json"_s};
    QTest::newRow("lone dash is an operand") << QStringList{u"scan"_s, u"-"_s} << Command::Scan
                                             << false << u"vc"_s << QStringList{u"-"_s};
    // Only "--" starts an option: a word with one dash is an operand.
    QTest::newRow("names to add and remove")
        << QStringList{u"encode"_s, u"2180"_s, u"+GOOD_IN_SAND"_s, u"-IS_LOW"_s} << Command::Encode
        << false << u"vc"_s << QStringList{u"2180"_s, u"+GOOD_IN_SAND"_s, u"-IS_LOW"_s};
    QTest::newRow("negative value") << QStringList{u"decode"_s, u"-1"_s} << Command::Decode << false
                                    << u"vc"_s << QStringList{u"-1"_s};
    QTest::newRow("scan, vehicles named")
        << QStringList{u"scan"_s, u"f"_s, u"LANDSTAL"_s, u"idaho"_s} << Command::Scan << false
        << u"vc"_s << QStringList{u"f"_s, u"LANDSTAL"_s, u"idaho"_s};
    QTest::newRow("check, files and input")
        << QStringList{u"check"_s, u"a"_s, u"-"_s, u"b"_s} << Command::Check << false << u"vc"_s
        << QStringList{u"a"_s, u"-"_s, u"b"_s};
    QTest::newRow("list") << QStringList{u"--game=gta3"_s, u"list"_s} << Command::List << false
                          << u"gta3"_s << QStringList();
    QTest::newRow("help") << QStringList{u"--help"_s} << Command::Help << false << u"vc"_s
                          << QStringList();
    QTest::newRow("short help") << QStringList{u"-h"_s} << Command::Help << false << u"vc"_s
                                << QStringList();
    QTest::newRow("help despite a mistake")
        << QStringList{u"frobnicate"_s, u"--bogus"_s, u"--help"_s} << Command::Help << false
        << u"vc"_s << QStringList();
    QTest::newRow("version") << QStringList{u"decode"_s, u"--version"_s} << Command::Version
                             << false << u"vc"_s << QStringList();
}

void tst_CommandLine::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(Command, command);
    QFETCH(bool, json);
    QFETCH(QString, game);
    QFETCH(QStringList, operands);

    const Arguments views(arguments);
    const CommandLine line = parseCommandLine(views.list());
    QCOMPARE(line.usageError, std::string());
    QCOMPARE(line.options.command, command);
    QCOMPARE(line.options.json, json);
    QCOMPARE(text(line.options.game->option), game);
    QStringList actual;
    for (std::string_view operand : line.options.operands)
        actual << text(operand);
    QCOMPARE(actual, operands);
}

void tst_CommandLine::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("nothing") << QStringList()
                             << u"commande manquante (decode, encode, list, scan ou check)"_s;
    QTest::newRow("options only") << QStringList{u"--json"_s}
                                  << u"commande manquante (decode, encode, list, scan ou check)"_s;
    QTest::newRow("unknown command")
        << QStringList{u"frobnicate"_s, u"1"_s}
        << u"commande inconnue \"frobnicate\" (decode, encode, list, scan ou check)"_s;
    QTest::newRow("command after --")
        << QStringList{u"--"_s, u"--json"_s, u"1"_s}
        << u"commande inconnue \"--json\" (decode, encode, list, scan ou check)"_s;
    QTest::newRow("no value") << QStringList{u"decode"_s} << u"decode attend au moins une valeur"_s;
    QTest::newRow("no name") << QStringList{u"encode"_s, u"--json"_s}
                             << u"encode attend au moins un nom de flag"_s;
    QTest::newRow("no file") << QStringList{u"scan"_s} << u"scan attend un fichier"_s;
    QTest::newRow("check, no file") << QStringList{u"check"_s} << u"check attend un fichier"_s;
    QTest::newRow("list, an operand")
        << QStringList{u"list"_s, u"IS_BUS"_s} << u"list n'attend aucun argument"_s;
    QTest::newRow("standard input twice") << QStringList{u"check"_s, u"-"_s, u"a"_s, u"-"_s}
                                          << u"l'entrée standard (\"-\") ne se lit qu'une fois"_s;
    QTest::newRow("unknown option")
        << QStringList{u"decode"_s, u"--hex"_s, u"1"_s} << u"option inconnue \"--hex\""_s;
    QTest::newRow("game missing") << QStringList{u"decode"_s, u"1"_s, u"--game"_s}
                                  << u"--game attend vc ou gta3"_s;
    QTest::newRow("unknown game") << QStringList{u"--game"_s, u"sa"_s, u"decode"_s, u"1"_s}
                                  << u"jeu inconnu \"sa\" : --game attend vc ou gta3"_s;
    QTest::newRow("empty game") << QStringList{u"--game="_s, u"decode"_s, u"1"_s}
                                << u"jeu inconnu \"\" : --game attend vc ou gta3"_s;
}

void tst_CommandLine::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    QCOMPARE(QString::fromStdString(parseCommandLine(Arguments(arguments).list()).usageError),
             message);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_cli_commandline.moc"
