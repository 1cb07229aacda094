#include "flags/NearestNames.h"
#include "support/StdText.h"

#include <QTest>
#include <array>

using namespace bitloom::flags;
using namespace bitloom::tests;

namespace {

constexpr std::array<std::string_view, 9> names{"LANDSTAL", "IDAHO",    "MANANA", "PONY", "BUS",
                                                "RHINO",    "STALLION", "BOAT",   "BOOT"};

} // namespace

class tst_NearestNames : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nearest_data();
    void nearest();
};

void tst_NearestNames::nearest_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArrayList>("nearest");

    QTest::newRow("case only") << QByteArray("landstal") << QByteArrayList{"LANDSTAL"};
    QTest::newRow("letter doubled") << QByteArray("MANANNA") << QByteArrayList{"MANANA"};
    QTest::newRow("letter missing") << QByteArray("LANDSTL") << QByteArrayList{"LANDSTAL"};
    QTest::newRow("letter wrong") << QByteArray("IDAHA") << QByteArrayList{"IDAHO"};
    QTest::newRow("neighbours swapped") << QByteArray("LNADSTAL") << QByteArrayList{"LANDSTAL"};
    // A swap is one slip: a short name allows no more.
    QTest::newRow("neighbours swapped, short name") << QByteArray("BSU") << QByteArrayList{"BUS"};
    QTest::newRow("two slips, long name") << QByteArray("STALIOM") << QByteArrayList{"STALLION"};
    // The nearest only, all of them when several are as near.
    QTest::newRow("nearest wins") << QByteArray("BOOTS") << QByteArrayList{"BOOT"};
    QTest::newRow("as near, in order") << QByteArray("BOXT") << QByteArrayList{"BOAT", "BOOT"};
    // Short names allow one slip only, so that nothing far is offered.
    QTest::newRow("short, two slips") << QByteArray("BOX") << QByteArrayList{};
    QTest::newRow("unrelated") << QByteArray("AIRTRAIN") << QByteArrayList{};
    QTest::newRow("empty") << QByteArray() << QByteArrayList{};
    QTest::newRow("very long") << QByteArray(500, 'A') << QByteArrayList{};
}

void tst_NearestNames::nearest()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArrayList, nearest);
    QByteArrayList found;
    for (std::string_view candidate : nearestNames(view(name), names))
        found << bytes(candidate);
    QCOMPARE(found, nearest);
}

QTEST_GUILESS_MAIN(tst_NearestNames)
#include "tst_cli_nearestnames.moc"
