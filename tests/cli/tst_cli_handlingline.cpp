#include "cli/HandlingLine.h"
#include "support/HandlingText.h"
#include "support/StdText.h"

#include <QTest>

using namespace bitloom::cli;
using namespace bitloom::tests;

Q_DECLARE_METATYPE(LineKind)

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
    QTest::addColumn<int>("flagsField");
    QTest::addColumn<LineKind>("kind");
    QTest::addColumn<QByteArray>("identifier");
    QTest::addColumn<QByteArray>("flagsText");
    QTest::addColumn<int>("fieldCount");

    const auto vehicle = LineKind::Vehicle;
    QTest::newRow("vehicle") << landstal << 31 << vehicle << QByteArray("LANDSTAL")
                             << QByteArray("9047000") << 34;
    QTest::newRow("gta3 column") << landstal << 30 << vehicle << QByteArray("LANDSTAL")
                                 << QByteArray("20") << 34;
    QTest::newRow("tabs and runs of blanks")
        << QByteArray(landstal).replace(' ', "\t \t") << 31 << vehicle << QByteArray("LANDSTAL")
        << QByteArray("9047000") << 34;
    QTest::newRow("leading blanks") << " \t" + landstal << 31 << vehicle << QByteArray("LANDSTAL")
                                    << QByteArray("9047000") << 34;
    QTest::newRow("trailing blanks") << landstal + " \t " << 31 << vehicle << QByteArray("LANDSTAL")
                                     << QByteArray("9047000") << 34;

    QByteArray endsWithFlags = landstal;
    endsWithFlags.chop(QByteArray(" 0 1 0").size());
    QTest::newRow("flags last, Windows ending")
        << endsWithFlags + "\r" << 31 << vehicle << QByteArray("LANDSTAL") << QByteArray("9047000")
        << 31;
    QByteArray tooShort = endsWithFlags;
    tooShort.chop(QByteArray(" 9047000").size());
    QTest::newRow("one field short")
        << tooShort << 31 << vehicle << QByteArray("LANDSTAL") << QByteArray() << 30;
    QTest::newRow("identifier alone")
        << QByteArray("LANDSTAL") << 31 << vehicle << QByteArray("LANDSTAL") << QByteArray() << 1;

    const QByteArray none;
    QTest::newRow("empty") << QByteArray() << 31 << LineKind::Blank << none << none << 0;
    QTest::newRow("blanks") << QByteArray(" \t ") << 31 << LineKind::Blank << none << none << 0;
    QTest::newRow("lone CR") << QByteArray("\r") << 31 << LineKind::Blank << none << none << 0;
    QTest::newRow("comment") << QByteArray("; A B C") << 31 << LineKind::Comment << none << none
                             << 0;
    QTest::newRow("indented comment")
        << QByteArray("\t;" + landstal) << 31 << LineKind::Comment << none << none << 0;
    QTest::newRow("end") << QByteArray(";the end") << 31 << LineKind::End << none << none << 0;
    QTest::newRow("end, Windows ending")
        << QByteArray(";the end\r") << 31 << LineKind::End << none << none << 0;
    QTest::newRow("end, more after")
        << QByteArray(";the end of it") << 31 << LineKind::End << none << none << 0;
    QTest::newRow("not quite the end")
        << QByteArray(";The End") << 31 << LineKind::Comment << none << none << 0;
    QTest::newRow("boat") << QByteArray("%" + landstal) << 31 << LineKind::OtherSection << none
                          << none << 0;
    QTest::newRow("bike") << QByteArray("! PCJ600 1 2") << 31 << LineKind::OtherSection << none
                          << none << 0;
    QTest::newRow("flying") << QByteArray("$ SPARROW 1 2") << 31 << LineKind::OtherSection << none
                            << none << 0;
}

void tst_HandlingLine::lines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, flagsField);
    QFETCH(LineKind, kind);
    QFETCH(QByteArray, identifier);
    QFETCH(QByteArray, flagsText);
    QFETCH(int, fieldCount);

    const HandlingLine read = readHandlingLine(view(line), static_cast<std::size_t>(flagsField));
    QCOMPARE(read.kind, kind);
    QCOMPARE(bytes(read.identifier), identifier);
    QCOMPARE(bytes(read.flagsText), flagsText);
    QCOMPARE(read.fieldCount, static_cast<std::size_t>(fieldCount));
}

QTEST_GUILESS_MAIN(tst_HandlingLine)
#include "tst_cli_handlingline.moc"
