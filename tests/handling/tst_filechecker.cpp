// Each check of a handling file on small made-up files: every row gives the
// whole list of problems, so that a check that speaks out of turn fails too.
#include "handling/FileChecker.h"
#include "support/HandlingText.h"
#include "support/StdText.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom::handling;
using namespace bitloom::tests;

Q_DECLARE_METATYPE(const GameProfile *)
Q_DECLARE_METATYPE(TextEncoding)

namespace {

// "line E|A rule | identifier : message", one string per problem.
QStringList problems(const QByteArray &contents, const GameProfile &game, TextEncoding encoding)
{
    const HandlingFile file = readHandlingFile(view(contents), encoding, game);
    QStringList rows;
    for (const Problem &p : checkHandlingFile(file, game)) {
        QString row = QString::number(p.line) + (p.level == Level::Error ? u" E "_s : u" A "_s)
                      + text(p.rule) + u" | "_s;
        if (!p.identifier.empty())
            row += text(p.identifier) + u" : "_s;
        rows << row + QString::fromStdString(p.message);
    }
    return rows;
}

// A file the game reads without a fault, around the lines given.
QByteArray file(const QList<QByteArray> &body)
{
    return lines(QList<QByteArray>{"; made up"} + body + QList<QByteArray>{";the end"});
}

QByteArray withoutLastField(const QByteArray &line)
{
    return line.left(line.lastIndexOf(' '));
}

// A standard line without its second field, the mass: the fields after it
// move one column to the left.
QByteArray withoutMass(const QByteArray &line)
{
    const qsizetype mass = line.indexOf(' ');
    return line.left(mass) + line.mid(line.indexOf(' ', mass + 1));
}

const QString shifted = u" : les colonnes qui suivent le manque sont décalées"_s;
const QString crash = u" : le jeu écrit hors de sa table et peut planter"_s;
const QString ignoredBits = u" ; le jeu les ignore et lit les flags "_s;

} // namespace

class tst_FileChecker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fieldCounts_data();
    void fieldCounts() { compare(); }
    void identifiers_data();
    void identifiers() { compare(); }
    void flagsValues_data();
    void flagsValues() { compare(); }
    void duplicates_data();
    void duplicates() { compare(); }
    void sectionFlags_data();
    void sectionFlags() { compare(); }
    void lineLength_data();
    void lineLength() { compare(); }
    void fileSize_data();
    void fileSize() { compare(); }
    void endMarker_data();
    void endMarker() { compare(); }
    void encoding_data();
    void encoding() { compare(); }
    void everyRuleHasACode();

private:
    static void columns();
    static void row(const char *name, const QByteArray &text, const QStringList &expected,
                    const GameProfile &game = viceCity,
                    TextEncoding encoding = TextEncoding::Plain);
    static void compare();
};

void tst_FileChecker::columns()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<const GameProfile *>("game");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QStringList>("expected");
}

void tst_FileChecker::row(const char *name, const QByteArray &text, const QStringList &expected,
                          const GameProfile &game, TextEncoding encoding)
{
    QTest::newRow(name) << text << &game << encoding << expected;
}

void tst_FileChecker::compare()
{
    QFETCH(QByteArray, text);
    QFETCH(const GameProfile *, game);
    QFETCH(TextEncoding, encoding);
    QFETCH(QStringList, expected);
    QCOMPARE(problems(text, *game, encoding), expected);
}

void tst_FileChecker::fieldCounts_data()
{
    columns();
    row("every kind, right",
        file({vehicleLine("LANDSTAL", "0"), vehicleLine("PREDATOR", "80000"),
              vehicleLine("BIKE", "10000"), vehicleLine("MAVERICK", "20000"), boatEntry("PREDATOR"),
              bikeEntry("BIKE"), flyingEntry("MAVERICK")}),
        {});
    row("gta3, right", file({gta3VehicleLine("LANDSTAL", "0")}), {}, gta3);

    // The lights' "1" comes into the flags column.
    row("one field short", file({withoutMass(vehicleLine("IDAHO", "9047000"))}),
        {u"2 E fields | IDAHO : 32 champs, il en faut 33 pour une ligne standard de GTA: "
         "Vice-City"_s
         + shifted + u" ; le jeu lit \"1\" dans la colonne \"ae\""_s});
    row("no flags field", file({"IDAHO 1700.0"}),
        {u"2 E fields | IDAHO : 2 champs, il en faut 33 pour une ligne standard de GTA: "
         "Vice-City"_s
         + shifted + u" ; le jeu ne lit rien dans la colonne \"ae\""_s});
    row("one field more", file({vehicleLine("IDAHO", "0") + " 0"}),
        {u"2 A fields | IDAHO : 34 champs, une ligne standard de GTA: Vice-City en a 33 : le "
         "jeu ignore les derniers ; si un champ a été ajouté plus tôt, les colonnes sont "
         "décalées"_s});
    row("gta3, Vice-City's line", file({vehicleLine("IDAHO", "0")}),
        {u"2 A fields | IDAHO : 33 champs, une ligne standard de GTA3 en a 32 : le jeu ignore "
         "les derniers ; si un champ a été ajouté plus tôt, les colonnes sont décalées"_s},
        gta3);
    row("boat entry short",
        file({vehicleLine("PREDATOR", "80000"), withoutLastField(boatEntry("PREDATOR"))}),
        {u"3 E fields | PREDATOR : 15 champs, il en faut 16 pour une entrée bateau (%) de GTA: "
         "Vice-City"_s
         + shifted});
    row("bike entry long", file({vehicleLine("BIKE", "10000"), bikeEntry("BIKE") + "\t1"}),
        {u"3 A fields | BIKE : 18 champs, une entrée moto (!) de GTA: Vice-City en a 17 : le jeu "
         "ignore les derniers ; si un champ a été ajouté plus tôt, les colonnes sont décalées"_s});
    row("flying entry short",
        file({vehicleLine("SPARROW", "20000"), withoutLastField(flyingEntry("SPARROW"))}),
        {u"3 E fields | SPARROW : 19 champs, il en faut 20 pour une entrée vol ($) de GTA: "
         "Vice-City"_s
         + shifted});
}

void tst_FileChecker::identifiers_data()
{
    columns();
    row("every Vice-City vehicle", file({vehicleLine("RCCOPTER", "0"), vehicleLine("SABRE1", "0")}),
        {});
    row("every GTA3 vehicle", file({gta3VehicleLine("BORGNINE", "0")}), {}, gta3);
    row("misspelt", file({vehicleLine("MANANNA", "0")}),
        {u"2 E vehicle | MANANNA : identifiant \"MANANNA\" inconnu de GTA: Vice-City"_s + crash
         + u" ; vouliez-vous dire MANANA ?"_s});
    // The game compares case too.
    row("lower case", file({vehicleLine("landstal", "0")}),
        {u"2 E vehicle | landstal : identifiant \"landstal\" inconnu de GTA: Vice-City"_s + crash
         + u" ; vouliez-vous dire LANDSTAL ?"_s});
    row("nothing near", file({vehicleLine("ZEPPELIN", "0")}),
        {u"2 E vehicle | ZEPPELIN : identifiant \"ZEPPELIN\" inconnu de GTA: Vice-City"_s + crash});
    row("other game's vehicle", file({gta3VehicleLine("FREEWAY", "0")}),
        {u"2 E vehicle | FREEWAY : identifiant \"FREEWAY\" inconnu de GTA3"_s + crash}, gta3);
    row("GTA3 vehicle in Vice-City", file({vehicleLine("BLISTA", "0")}),
        {u"2 E vehicle | BLISTA : identifiant \"BLISTA\" inconnu de GTA: Vice-City"_s + crash
         + u" ; vouliez-vous dire BLISTAC ?"_s});
    row("unknown in an entry", file({vehicleLine("PREDATOR", "80000"), boatEntry("PREDATR")}),
        {u"2 E section | PREDATOR : IS_BOAT sans entrée bateau (%) pour ce véhicule : le jeu "
         "prend pour lui des données vides"_s,
         u"3 E vehicle | PREDATR : identifiant \"PREDATR\" inconnu de GTA: Vice-City"_s + crash
             + u" ; vouliez-vous dire PREDATOR ?"_s,
         u"3 A section | PREDATR : entrée bateau (%) sans ligne standard pour ce véhicule"_s});

    // Markers count in the first column only, and for the game that has the section.
    row("indented comment", file({"  ; note"}),
        {u"2 E vehicle | ; : identifiant \";\" inconnu de GTA: Vice-City"_s + crash
             + u" ; \";\" n'ouvre un commentaire qu'en première colonne"_s,
         u"2 E fields | ; : 2 champs, il en faut 33 pour une ligne standard de GTA: Vice-City"_s
             + shifted + u" ; le jeu ne lit rien dans la colonne \"ae\""_s});
    row("indented entry", file({vehicleLine("BIKE", "10000"), " " + bikeEntry("BIKE")}),
        {u"2 E section | BIKE : IS_BIKE sans entrée moto (!) pour ce véhicule : le jeu prend "
         "pour lui des données vides"_s,
         u"3 E vehicle | ! : identifiant \"!\" inconnu de GTA: Vice-City"_s + crash
             + u" ; \"!\" n'ouvre une entrée moto (!) qu'en première colonne"_s,
         u"3 E fields | ! : 17 champs, il en faut 33 pour une ligne standard de GTA: Vice-City"_s
             + shifted + u" ; le jeu ne lit rien dans la colonne \"ae\""_s});
    row("entry in GTA3", file({"% PREDATOR 1"}),
        {u"2 E vehicle | % : identifiant \"%\" inconnu de GTA3"_s + crash
             + u" ; GTA3 n'a pas d'entrées bateau (%)"_s,
         u"2 E fields | % : 3 champs, il en faut 32 pour une ligne standard de GTA3"_s + shifted
             + u" ; le jeu ne lit rien dans la colonne \"ad\""_s},
        gta3);
    QByteArray glued = flyingEntry("SPARROW");
    glued.remove(1, 1);
    row("marker against the identifier", file({vehicleLine("SPARROW", "20000"), glued}),
        {u"2 E section | SPARROW : IS_HELI sans entrée vol ($) pour ce véhicule : le jeu prend "
         "pour lui des données vides"_s,
         u"3 E vehicle | 0.6 : identifiant \"0.6\" inconnu de GTA: Vice-City"_s + crash
             + u" ; \"$\" doit être suivi d'un espace"_s,
         u"3 E fields | 0.6 : 19 champs, il en faut 20 pour une entrée vol ($) de GTA: "
         "Vice-City"_s
             + shifted,
         u"3 A section | 0.6 : entrée vol ($) sans ligne standard pour ce véhicule"_s});
    row("marker alone", file({"%"}),
        {u"2 E vehicle | entrée bateau (%) sans identifiant"_s + crash,
         u"2 E fields | 1 champ, il en faut 16 pour une entrée bateau (%) de GTA: Vice-City"_s
             + shifted,
         u"2 A section | entrée bateau (%) sans ligne standard pour ce véhicule"_s});
}

void tst_FileChecker::flagsValues_data()
{
    columns();
    row("every form the game reads alike",
        file({vehicleLine("LANDSTAL", "0x50"), vehicleLine("IDAHO", "0X0050"),
              vehicleLine("STINGER", "abcd")}),
        {});
    row("not hex", file({vehicleLine("IDAHO", "2180xyz")}),
        {u"2 E flags | IDAHO : valeur \"2180xyz\" : caractère non hexadécimal 'x' en position 5 ; "
         "le jeu lirait 2180"_s});
    row("prefix, then not hex", file({vehicleLine("IDAHO", "0xZZ")}),
        {u"2 E flags | IDAHO : valeur \"0xZZ\" : caractère non hexadécimal 'Z' en position 3 ; le "
         "jeu lirait 0"_s});
    row("prefix alone", file({vehicleLine("IDAHO", "0x")}),
        {u"2 E flags | IDAHO : valeur \"0x\" : aucun chiffre après 0x ; le jeu lirait 0"_s});
    row("above 32 bits", file({vehicleLine("IDAHO", "100000000")}),
        {u"2 E flags | IDAHO : valeur \"100000000\" : plus de 32 bits ; le jeu ne lirait aucune "
         "valeur sûre"_s});
    // The game reads the flags it knows and ignores the rest.
    row("bits beyond the flags", file({vehicleLine("IDAHO", "c0002180")}),
        {u"2 A flags | IDAHO : valeur \"c0002180\" : bits C0000000 au-delà des 28 flags de GTA: "
         "Vice-City"_s
         + ignoredBits + u"2180"_s});
    row("bits beyond GTA3's flags", file({gta3VehicleLine("IDAHO", "10040")}),
        {u"2 A flags | IDAHO : valeur \"10040\" : bits 10000 au-delà des 16 flags de GTA3"_s
         + ignoredBits + u"40"_s},
        gta3);
}

void tst_FileChecker::duplicates_data()
{
    columns();
    const QString ignored = u" : le jeu garde la dernière définition et ignore celle-ci"_s;
    row("twice",
        file({vehicleLine("IDAHO", "0"), vehicleLine("STINGER", "0"), vehicleLine("IDAHO", "1")}),
        {u"2 E duplicate | IDAHO : défini à nouveau ligne 4 (ligne standard)"_s + ignored});
    row("three times",
        file({vehicleLine("IDAHO", "0"), vehicleLine("IDAHO", "1"), vehicleLine("IDAHO", "2")}),
        {u"2 E duplicate | IDAHO : défini à nouveau ligne 4 (ligne standard)"_s + ignored,
         u"3 E duplicate | IDAHO : défini à nouveau ligne 4 (ligne standard)"_s + ignored});
    row("entries twice",
        file({vehicleLine("PREDATOR", "80000"), boatEntry("PREDATOR"), boatEntry("PREDATOR")}),
        {u"3 E duplicate | PREDATOR : défini à nouveau ligne 4 (entrée bateau (%))"_s + ignored});
    row("a line and its entry", file({vehicleLine("PREDATOR", "80000"), boatEntry("PREDATOR")}),
        {});
    // The game compares case: these are two vehicles to it, one unknown.
    row("another case", file({vehicleLine("IDAHO", "0"), vehicleLine("Idaho", "0")}),
        {u"3 E vehicle | Idaho : identifiant \"Idaho\" inconnu de GTA: Vice-City"_s + crash
         + u" ; vouliez-vous dire IDAHO ?"_s});
}

void tst_FileChecker::sectionFlags_data()
{
    columns();
    const QString empty = u" pour ce véhicule : le jeu prend pour lui des données vides"_s;
    const QString unused = u" : le jeu ne s'en sert sans doute pas"_s;
    row("each flag with its entry",
        file({vehicleLine("PREDATOR", "80000"), vehicleLine("BIKE", "10000"),
              vehicleLine("HUNTER", "20000"), vehicleLine("DODO", "40000"), boatEntry("PREDATOR"),
              bikeEntry("BIKE"), flyingEntry("HUNTER"), flyingEntry("DODO")}),
        {});
    // A plane that lands on water has a boat entry too.
    row("seaplane",
        file({vehicleLine("SEAPLANE", "40000"), boatEntry("SEAPLANE"), flyingEntry("SEAPLANE")}),
        {});
    row("bike without entry", file({vehicleLine("BIKE", "10000")}),
        {u"2 E section | BIKE : IS_BIKE sans entrée moto (!)"_s + empty});
    row("boat without entry", file({vehicleLine("PREDATOR", "80000")}),
        {u"2 E section | PREDATOR : IS_BOAT sans entrée bateau (%)"_s + empty});
    row("heli and plane without entry", file({vehicleLine("HUNTER", "60000")}),
        {u"2 E section | HUNTER : IS_HELI et IS_PLANE sans entrée vol ($)"_s + empty});
    row("entry without flag", file({vehicleLine("FREEWAY", "0"), bikeEntry("FREEWAY")}),
        {u"3 A section | FREEWAY : entrée moto (!) alors que la ligne standard (ligne 2) n'a pas "
         "IS_BIKE"_s
         + unused});
    row("boat entry without flag", file({vehicleLine("RIO", "1"), boatEntry("RIO")}),
        {u"3 A section | RIO : entrée bateau (%) alors que la ligne standard (ligne 2) n'a pas "
         "IS_HELI, IS_PLANE ou IS_BOAT"_s
         + unused});
    row("entry without line", file({bikeEntry("ANGEL")}),
        {u"2 A section | ANGEL : entrée moto (!) sans ligne standard pour ce véhicule"_s});
    row("entry before its line", file({bikeEntry("ANGEL"), vehicleLine("ANGEL", "10000")}), {});
    // The game keeps the last definition: its flags are those that count.
    row("flag on the ignored definition",
        file({vehicleLine("ANGEL", "10000"), vehicleLine("ANGEL", "0"), bikeEntry("ANGEL")}),
        {u"2 E duplicate | ANGEL : défini à nouveau ligne 3 (ligne standard) : le jeu garde la "
         "dernière définition et ignore celle-ci"_s,
         u"4 A section | ANGEL : entrée moto (!) alors que la ligne standard (ligne 3) n'a pas "
         "IS_BIKE"_s
             + unused});
    // What the game reads counts, bits beyond the flags or not.
    row("flag in a value with extra bits", file({vehicleLine("BIKE", "80010000")}),
        {u"2 A flags | BIKE : valeur \"80010000\" : bits 80000000 au-delà des 28 flags de GTA: "
         "Vice-City"_s
             + ignoredBits + u"10000"_s,
         u"2 E section | BIKE : IS_BIKE sans entrée moto (!)"_s + empty});
    row("flags unread", file({vehicleLine("BIKE", "zz"), bikeEntry("BIKE")}),
        {u"2 E flags | BIKE : valeur \"zz\" : caractère non hexadécimal 'z' en position 1 ; le jeu "
         "ne lirait aucune valeur sûre"_s});
}

void tst_FileChecker::lineLength_data()
{
    columns();
    const QByteArray longest = "; " + QByteArray(198, 'x');
    row("200 characters", file({longest}), {});
    row("200 characters and a Windows ending", crlfLines({longest, ";the end"}), {});
    row("201 characters", file({longest + "x"}),
        {u"2 E line-length | ligne de 201 caractères : le jeu n'en prévoit que 200 et peut "
         "planter"_s});
    row("a vehicle line", file({vehicleLine("IDAHO", "0") + QByteArray(200, ' ')}),
        {u"2 E line-length | IDAHO : ligne de "_s
         + QString::number(vehicleLine("IDAHO", "0").size() + 200)
         + u" caractères : le jeu n'en prévoit que 200 et peut planter"_s});
    row("after the end", file({}) + longest + "x\n", {});
}

void tst_FileChecker::fileSize_data()
{
    columns();
    // Comment lines of 100 bytes, the line break counted.
    const QByteArray comment = "; " + QByteArray(97, 'x');
    const auto sized = [&](qsizetype bytes) -> QByteArray {
        QByteArray text;
        while (text.size() + 100 <= bytes - 9)
            text += comment + '\n';
        text += QByteArray(bytes - 9 - text.size() - 1, ';') + '\n';
        return text + ";the end\n";
    };
    QCOMPARE(sized(55000).size(), 55000);
    row("55000 bytes", sized(55000), {});
    // Byte 55001 is the end marker's line break, on line 551.
    row("55001 bytes", sized(55001),
        {u"551 E file-size | fichier de 55001 octets : le jeu n'en prévoit que 55000, et cette "
         "ligne les dépasse ; il peut planter ou lire de travers"_s});
    row("far beyond", sized(60000),
        {u"551 E file-size | fichier de 60000 octets : le jeu n'en prévoit que 55000, et cette "
         "ligne les dépasse ; il peut planter ou lire de travers"_s});
}

void tst_FileChecker::endMarker_data()
{
    columns();
    const QString noEnd
        = u" E end | pas de ligne \";the end\" : le jeu ne saurait pas où s'arrêtent les données"_s;
    const QString lookalike = u" A end | le jeu ne reconnaît \";the end\" que seul sur sa ligne et "
                              "en minuscules : il lit ici un commentaire et continue"_s;
    row("Windows endings", crlfLines({"; x", vehicleLine("IDAHO", "0"), ";the end"}), {});
    row("empty file", QByteArray(), {u"1"_s + noEnd});
    row("no end", lines({"; x", vehicleLine("IDAHO", "0")}), {u"2"_s + noEnd});
    row("no line break after the end", "; x\n;the end",
        {u"2 E end | pas de saut de ligne après \";the end\" : le jeu lit au-delà de la fin du "
         "fichier"_s});
    row("other case", lines({"; x", ";The End"}), {u"2"_s + lookalike, u"2"_s + noEnd});
    row("blank after", lines({"; x", ";the end "}), {u"2"_s + lookalike, u"2"_s + noEnd});
    row("squeezed", lines({";theend", ";the end"}), {u"1"_s + lookalike});
    row("more after", lines({";the end of the boats", ";the end"}), {u"1"_s + lookalike});
    row("nothing after the end is read", file({}) + vehicleLine("ZZ", "zz") + "\ngarbage", {});
}

void tst_FileChecker::encoding_data()
{
    columns();
    const QByteArray good = file({vehicleLine("IDAHO", "0")});
    row("UTF-8 mark", good,
        {u"1 E encoding | marque d'ordre des octets (BOM) UTF-8 en tête du fichier : le jeu la "
         "lit comme le début de la ligne 1"_s},
        viceCity, TextEncoding::Utf8Bom);
    row("UTF-16", good,
        {u"1 E encoding | fichier en UTF-16 LE (« Unicode » pour le Bloc-notes) : le jeu lit un "
         "octet par caractère et n'y comprend rien ; enregistrez-le en ANSI"_s},
        viceCity, TextEncoding::Utf16Le);
    // Nothing after a NUL byte is read, and no end is looked for.
    QByteArray binary = lines({"; x", vehicleLine("IDAHO", "0"), vehicleLine("BAD", "z")});
    binary.insert(binary.indexOf("BAD"), '\0');
    row("NUL byte", binary, {u"3 E encoding | fichier binaire (octet nul) : lecture abandonnée"_s});
}

void tst_FileChecker::everyRuleHasACode()
{
    QStringList codes;
    for (const rules::Rule &rule : fileRules()) {
        QVERIFY(!rule.code.empty());
        QVERIFY(!codes.contains(text(rule.code)));
        codes << text(rule.code);
    }
}

QTEST_GUILESS_MAIN(tst_FileChecker)
#include "tst_cli_filechecker.moc"
