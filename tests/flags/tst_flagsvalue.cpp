#include "flags/FlagsValue.h"

#include <QTest>
#include <numeric>
#include <stdexcept>

using namespace bitloom::flags;

class tst_FlagsValue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void outputText_data();
    void outputText();
    void onlyCheckedCounts();
    void everySingleFlag();
    void valueAboveTheFlagsIsRefused();
    void anyNumberAsHex_data();
    void anyNumberAsHex();
    void setBitsInOrder_data();
    void setBitsInOrder();
};

void tst_FlagsValue::outputText_data()
{
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QByteArray>("text");

    QList<int> all(flagCount);
    std::iota(all.begin(), all.end(), 0);

    QTest::newRow("none") << QList<int>{} << QByteArray("0");
    QTest::newRow("flag 0") << QList<int>{0} << QByteArray("1");
    QTest::newRow("flag 4") << QList<int>{4} << QByteArray("10");
    QTest::newRow("flags 0 and 4") << QList<int>{0, 4} << QByteArray("11");
    QTest::newRow("digit 1") << QList<int>{0, 1, 2, 3} << QByteArray("F");
    QTest::newRow("digit 1 and flag 4") << QList<int>{0, 1, 2, 3, 4} << QByteArray("1F");
    QTest::newRow("flag 27") << QList<int>{27} << QByteArray("8000000");
    QTest::newRow("digit 7") << QList<int>{24, 25, 26, 27} << QByteArray("F000000");
    QTest::newRow("all") << all << QByteArray("FFFFFFF");
    QTest::newRow("upper case") << QList<int>{1, 3, 5, 7} << QByteArray("AA");
}

void tst_FlagsValue::outputText()
{
    QFETCH(QList<int>, checked);
    QFETCH(QByteArray, text);

    FlagStates states{};
    for (int bit : checked)
        states[static_cast<std::size_t>(bit)] = CheckState::Checked;
    QCOMPARE(QByteArray::fromStdString(valueText(flagsValue(states))), text);
}

void tst_FlagsValue::onlyCheckedCounts()
{
    FlagStates states{};
    states.fill(CheckState::Grayed);
    QCOMPARE(flagsValue(states), 0u);
    states[9] = CheckState::Checked;
    states[10] = CheckState::Unchecked;
    QCOMPARE(flagsValue(states), 0x200u);
}

void tst_FlagsValue::everySingleFlag()
{
    for (int bit = 0; bit < flagCount; ++bit) {
        FlagStates states{};
        states[static_cast<std::size_t>(bit)] = CheckState::Checked;
        const std::string text = valueText(flagsValue(states));
        QCOMPARE(text.size(), static_cast<std::size_t>(digitOf(bit)));
        QCOMPARE(std::stoul(text, nullptr, 16), static_cast<unsigned long>(maskOf(bit)));
    }
}

void tst_FlagsValue::valueAboveTheFlagsIsRefused()
{
    QCOMPARE(valueText(0xFFFFFFF), std::string("FFFFFFF"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, valueText(0x10000000));
}

void tst_FlagsValue::anyNumberAsHex_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("zero") << 0u << QByteArray("0");
    QTest::newRow("one digit") << 0xBu << QByteArray("B");
    QTest::newRow("mixed digits") << 0x9047A0Cu << QByteArray("9047A0C");
    QTest::newRow("just above the flags") << 0x10000000u << QByteArray("10000000");
    QTest::newRow("all 32 bits") << 0xFFFFFFFFu << QByteArray("FFFFFFFF");
}

void tst_FlagsValue::anyNumberAsHex()
{
    QFETCH(uint, value);
    QFETCH(QByteArray, text);
    QCOMPARE(QByteArray::fromStdString(hexText(value)), text);
}

void tst_FlagsValue::setBitsInOrder_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QList<int>>("bits");

    QList<int> all(flagCount);
    std::iota(all.begin(), all.end(), 0);

    QTest::newRow("none") << 0u << QList<int>{};
    QTest::newRow("lowest") << 1u << QList<int>{0};
    QTest::newRow("highest flag") << 0x8000000u << QList<int>{27};
    QTest::newRow("several digits") << 0x9047000u << QList<int>{12, 13, 14, 18, 24, 27};
    QTest::newRow("all flags") << 0xFFFFFFFu << all;
    QTest::newRow("bits above the flags left out") << 0xF0000001u << QList<int>{0};
}

void tst_FlagsValue::setBitsInOrder()
{
    QFETCH(uint, value);
    QFETCH(QList<int>, bits);

    const std::vector<int> read = setBits(value);
    QCOMPARE(QList<int>(read.begin(), read.end()), bits);
}

QTEST_GUILESS_MAIN(tst_FlagsValue)
#include "tst_flagsvalue.moc"
