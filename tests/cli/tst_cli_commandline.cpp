#include "cli/CommandLine.h"

#include <QTest>

using namespace bitloom::cli;

Q_DECLARE_METATYPE(Command)

namespace {

CommandLine parse(const QStringList &arguments, std::vector<std::string> &storage)
{
    storage.clear();
    for (const QString &argument : arguments)
        storage.push_back(argument.toStdString());
    const std::vector<std::string_view> views(storage.begin(), storage.end());
    return parseCommandLine(views);
}

} // namespace

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

    QTest::newRow("decode") << QStringList{u"decode"_qs, u"1"_qs, u"2"_qs} << Command::Decode
                            << false << u"vc"_qs << QStringList{u"1"_qs, u"2"_qs};
    QTest::newRow("json before") << QStringList{u"--json"_qs, u"encode"_qs, u"IS_BUS"_qs}
                                 << Command::Encode << true << u"vc"_qs
                                 << QStringList{u"IS_BUS"_qs};
    QTest::newRow("json after") << QStringList{u"encode"_qs, u"IS_BUS"_qs, u"--json"_qs}
                                << Command::Encode << true << u"vc"_qs << QStringList{u"IS_BUS"_qs};
    QTest::newRow("game, separate") << QStringList{u"--game"_qs, u"gta3"_qs, u"scan"_qs, u"f"_qs}
                                    << Command::Scan << false << u"gta3"_qs << QStringList{u"f"_qs};
    QTest::newRow("game, joined") << QStringList{u"scan"_qs, u"f"_qs, u"--game=gta3"_qs}
                                  << Command::Scan << false << u"gta3"_qs << QStringList{u"f"_qs};
    QTest::newRow("last game wins")
        << QStringList{u"--game=gta3"_qs, u"--game=vc"_qs, u"decode"_qs, u"1"_qs} << Command::Decode
        << false << u"vc"_qs << QStringList{u"1"_qs};
    QTest::newRow("operand after --")
        << QStringList{u"decode"_qs, u"--"_qs, u"-1"_qs, u"--json"_qs} << Command::Decode << false
        << u"vc"_qs << QStringList{u"-1"_qs, u"--json"_qs};
    QTest::newRow("lone dash is an operand") << QStringList{u"scan"_qs, u"-"_qs} << Command::Scan
                                             << false << u"vc"_qs << QStringList{u"-"_qs};
    QTest::newRow("help") << QStringList{u"--help"_qs} << Command::Help << false << u"vc"_qs
                          << QStringList();
    QTest::newRow("short help") << QStringList{u"-h"_qs} << Command::Help << false << u"vc"_qs
                                << QStringList();
    QTest::newRow("help despite a mistake")
        << QStringList{u"frobnicate"_qs, u"--bogus"_qs, u"--help"_qs} << Command::Help << false
        << u"vc"_qs << QStringList();
    QTest::newRow("version") << QStringList{u"decode"_qs, u"--version"_qs} << Command::Version
                             << false << u"vc"_qs << QStringList();
}

void tst_CommandLine::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(Command, command);
    QFETCH(bool, json);
    QFETCH(QString, game);
    QFETCH(QStringList, operands);

    std::vector<std::string> storage;
    const CommandLine line = parse(arguments, storage);
    QCOMPARE(line.usageError, std::string());
    QCOMPARE(line.options.command, command);
    QCOMPARE(line.options.json, json);
    QCOMPARE(QString::fromUtf8(line.options.game->option.data(),
                               static_cast<qsizetype>(line.options.game->option.size())),
             game);
    QStringList actual;
    for (std::string_view operand : line.options.operands)
        actual << QString::fromUtf8(operand.data(), static_cast<qsizetype>(operand.size()));
    QCOMPARE(actual, operands);
}

void tst_CommandLine::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("nothing") << QStringList() << u"commande manquante (decode, encode ou scan)"_qs;
    QTest::newRow("options only") << QStringList{u"--json"_qs}
                                  << u"commande manquante (decode, encode ou scan)"_qs;
    QTest::newRow("unknown command")
        << QStringList{u"frobnicate"_qs, u"1"_qs}
        << u"commande inconnue \"frobnicate\" (decode, encode ou scan)"_qs;
    QTest::newRow("command after --")
        << QStringList{u"--"_qs, u"--json"_qs, u"1"_qs}
        << u"commande inconnue \"--json\" (decode, encode ou scan)"_qs;
    QTest::newRow("no value") << QStringList{u"decode"_qs}
                              << u"decode attend au moins une valeur"_qs;
    QTest::newRow("no name") << QStringList{u"encode"_qs, u"--json"_qs}
                             << u"encode attend au moins un nom de flag"_qs;
    QTest::newRow("no file") << QStringList{u"scan"_qs} << u"scan attend un fichier"_qs;
    QTest::newRow("two files") << QStringList{u"scan"_qs, u"a"_qs, u"b"_qs}
                               << u"scan attend un seul fichier"_qs;
    QTest::newRow("unknown option")
        << QStringList{u"decode"_qs, u"-x"_qs, u"1"_qs} << u"option inconnue \"-x\""_qs;
    QTest::newRow("negative value without --")
        << QStringList{u"decode"_qs, u"-1"_qs} << u"option inconnue \"-1\""_qs;
    QTest::newRow("game missing") << QStringList{u"decode"_qs, u"1"_qs, u"--game"_qs}
                                  << u"--game attend vc ou gta3"_qs;
    QTest::newRow("unknown game") << QStringList{u"--game"_qs, u"sa"_qs, u"decode"_qs, u"1"_qs}
                                  << u"jeu inconnu \"sa\" : --game attend vc ou gta3"_qs;
    QTest::newRow("empty game") << QStringList{u"--game="_qs, u"decode"_qs, u"1"_qs}
                                << u"jeu inconnu \"\" : --game attend vc ou gta3"_qs;
}

void tst_CommandLine::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    std::vector<std::string> storage;
    QCOMPARE(QString::fromStdString(parse(arguments, storage).usageError), message);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_cli_commandline.moc"
