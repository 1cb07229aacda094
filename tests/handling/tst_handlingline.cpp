#include "handling/HandlingLine.h"
#include "support/HandlingText.h"
#include "support/StdText.h"

#include <QTest>

using namespace bitloom::handling;
using namespace bitloom::tests;

Q_DECLARE_METATYPE(LineKind)
Q_DECLARE_METATYPE(const GameProfile *)

namespace {

const QByteArray landstal = vehicleLine("LANDSTAL", "9047000");

} // namespace

class tst_HandlingLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
};

void tst_HandlingLine::lines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<const GameProfile *>("game");
    QTest::addColumn<LineKind>("kind");
    QTest::addColumn<QByteArray>("identifier");
    QTest::addColumn<QByteArray>("flagsText");
    QTest::addColumn<int>("fieldCount");

    const GameProfile *vc = &viceCity;
    const auto standard = LineKind::Standard;
    QTest::newRow("vehicle") << landstal << vc << standard << QByteArray("LANDSTAL")
                             << QByteArray("9047000") << 33;
    QTest::newRow("gta3 column") << landstal << &gta3 << standard << QByteArray("LANDSTAL")
                                 << QByteArray("20") << 33;
    QTest::newRow("tabs and runs of blanks")
        << QByteArray(landstal).replace(' ', "\t \t") << vc << standard << QByteArray("LANDSTAL")
        << QByteArray("9047000") << 33;
    QTest::newRow("leading blanks") << " \t" + landstal << vc << standard << QByteArray("LANDSTAL")
                                    << QByteArray("9047000") << 33;
    QTest::newRow("trailing blanks") << landstal + " \t " << vc << standard
                                     << QByteArray("LANDSTAL") << QByteArray("9047000") << 33;

    QByteArray endsWithFlags = landstal;
    endsWithFlags.chop(QByteArray(" 1 1").size());
    QTest::newRow("flags last, Windows ending")
        << endsWithFlags + "\r" << vc << standard << QByteArray("LANDSTAL") << QByteArray("9047000")
        << 31;
    QByteArray tooShort = endsWithFlags;
    tooShort.chop(QByteArray(" 9047000").size());
    QTest::newRow("one field short")
        << tooShort << vc << standard << QByteArray("LANDSTAL") << QByteArray() << 30;
    QTest::newRow("identifier alone")
        << QByteArray("LANDSTAL") << vc << standard << QByteArray("LANDSTAL") << QByteArray() << 1;

    const QByteArray none;
    QTest::newRow("empty") << QByteArray() << vc << LineKind::Blank << none << none << 0;
    QTest::newRow("blanks") << QByteArray(" \t ") << vc << LineKind::Blank << none << none << 0;
    QTest::newRow("lone CR") << QByteArray("\r") << vc << LineKind::Blank << none << none << 0;
    QTest::newRow("comment") << QByteArray("; A B C") << vc << LineKind::Comment << none << none
                             << 0;
    QTest::newRow("end") << QByteArray(";the end") << vc << LineKind::End << none << none << 0;
    QTest::newRow("end, Windows ending")
        << QByteArray(";the end\r") << vc << LineKind::End << none << none << 0;
    // The game compares the whole line with the marker.
    QTest::newRow("end, more after")
        << QByteArray(";the end of it") << vc << LineKind::Comment << none << none << 0;
    QTest::newRow("end, a blank after")
        << QByteArray(";the end ") << vc << LineKind::Comment << none << none << 0;
    QTest::newRow("not quite the end")
        << QByteArray(";The End") << vc << LineKind::Comment << none << none << 0;

    QTest::newRow("boat") << QByteArray("% PREDATOR 1 2") << vc << LineKind::Boat
                          << QByteArray("PREDATOR") << none << 4;
    QTest::newRow("bike") << QByteArray("! BIKE 1 2") << vc << LineKind::Bike << QByteArray("BIKE")
                          << none << 4;
    QTest::newRow("flying") << QByteArray("$\tSPARROW\t1 2") << vc << LineKind::Flying
                            << QByteArray("SPARROW") << none << 4;
    QTest::newRow("marker alone") << QByteArray("%") << vc << LineKind::Boat << none << none << 1;
    QTest::newRow("marker against the identifier")
        << QByteArray("!BIKE 1 2") << vc << LineKind::Bike << QByteArray("1") << none << 3;

    // The game looks at the first column only: a marker after a blank, or
    // one the game has no section for, begins a standard line.
    QTest::newRow("indented comment")
        << "\t;" + landstal << vc << standard << ";" + landstal.left(landstal.indexOf(' '))
        << QByteArray("9047000") << 33;
    QTest::newRow("indented end") << QByteArray(" ;the end") << vc << standard << QByteArray(";the")
                                  << none << 2;
    QTest::newRow("indented boat")
        << QByteArray(" % PREDATOR 1") << vc << standard << QByteArray("%") << none << 3;
    QTest::newRow("boat in gta3") << QByteArray("% PREDATOR 1") << &gta3 << standard
                                  << QByteArray("%") << none << 3;
}

void tst_HandlingLine::lines()
{
    QFETCH(QByteArray, line);
    QFETCH(const GameProfile *, game);
    QFETCH(LineKind, kind);
    QFETCH(QByteArray, identifier);
    QFETCH(QByteArray, flagsText);
    QFETCH(int, fieldCount);

    const HandlingLine read = readHandlingLine(view(line), *game);
    QCOMPARE(read.kind, kind);
    QCOMPARE(bytes(read.identifier), identifier);
    QCOMPARE(bytes(read.flagsText), flagsText);
    QCOMPARE(read.fieldCount, static_cast<std::size_t>(fieldCount));
}

QTEST_GUILESS_MAIN(tst_HandlingLine)
#include "tst_cli_handlingline.moc"
