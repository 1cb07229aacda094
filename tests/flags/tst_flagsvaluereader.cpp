#include "flags/FlagsValueReader.h"

#include <QTest>

using namespace bitloom::flags;

Q_DECLARE_METATYPE(ValueProblem)

namespace {

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// -1 stands for "the game reads nothing sure".
qint64 gameValueOf(const ValueReading &reading)
{
    return reading.gameValue ? qint64{*reading.gameValue} : -1;
}

} // namespace

class tst_FlagsValueReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void allowedBitsLimitTheValue();
};

void tst_FlagsValueReader::accepted_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<uint>("value");

    QTest::newRow("as the window writes it") << QByteArray("9047000") << 0x9047000u;
    QTest::newRow("0x prefix") << QByteArray("0x9047000") << 0x9047000u;
    QTest::newRow("0X prefix") << QByteArray("0X9047000") << 0x9047000u;
    QTest::newRow("leading zero") << QByteArray("09047000") << 0x9047000u;
    QTest::newRow("many leading zeros") << QByteArray("0000000000009047000") << 0x9047000u;
    QTest::newRow("prefix and zeros") << QByteArray("0x00000050") << 0x50u;
    QTest::newRow("lower case") << QByteArray("abcdef0") << 0xABCDEF0u;
    QTest::newRow("upper case") << QByteArray("ABCDEF0") << 0xABCDEF0u;
    QTest::newRow("mixed case") << QByteArray("aBcDeF0") << 0xABCDEF0u;
    QTest::newRow("zero") << QByteArray("0") << 0u;
    QTest::newRow("prefixed zero") << QByteArray("0x0") << 0u;
    QTest::newRow("all flags") << QByteArray("FFFFFFF") << 0xFFFFFFFu;
}

void tst_FlagsValueReader::accepted()
{
    QFETCH(QByteArray, text);
    QFETCH(uint, value);

    const ValueReading reading = readFlagsValue(view(text));
    QCOMPARE(reading.problem, ValueProblem::None);
    QCOMPARE(reading.value, value);
    // What is accepted is read by the game just the same.
    QCOMPARE(gameValueOf(reading), qint64{value});
}

void tst_FlagsValueReader::refused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ValueProblem>("problem");
    QTest::addColumn<int>("badOffset");
    QTest::addColumn<qint64>("gameValue");

    const auto notHex = ValueProblem::NotHex;
    const auto above = ValueProblem::AboveFlags;
    const auto above32 = ValueProblem::Above32Bits;
    QTest::newRow("empty") << QByteArray() << ValueProblem::Empty << 0 << qint64{-1};
    QTest::newRow("trailing letters")
        << QByteArray("9047000xyz") << notHex << 7 << qint64{0x9047000};
    QTest::newRow("no digit") << QByteArray("xyz") << notHex << 0 << qint64{-1};
    QTest::newRow("prefix alone") << QByteArray("0x") << ValueProblem::NoDigits << 0 << qint64{0};
    QTest::newRow("prefix alone, upper case")
        << QByteArray("0X") << ValueProblem::NoDigits << 0 << qint64{0};
    // The x is a prefix to the person who wrote it: the Z after it is wrong.
    QTest::newRow("prefix then no digit") << QByteArray("0xg1") << notHex << 2 << qint64{0};
    QTest::newRow("prefix then letters") << QByteArray("0xZZ") << notHex << 2 << qint64{0};
    QTest::newRow("prefix twice") << QByteArray("0x0x5") << notHex << 3 << qint64{0};
    QTest::newRow("minus sign") << QByteArray("-1") << notHex << 0 << qint64{0xFFFFFFFF};
    QTest::newRow("plus sign") << QByteArray("+50") << notHex << 0 << qint64{0x50};
    QTest::newRow("inner space") << QByteArray("12 3") << notHex << 2 << qint64{0x12};
    QTest::newRow("decimal point") << QByteArray("1.5") << notHex << 1 << qint64{1};
    QTest::newRow("non-ASCII") << QByteArray("\xC3\xA9") << notHex << 0 << qint64{-1};
    QTest::newRow("NUL byte") << QByteArray("5\0"
                                            "5",
                                            3)
                              << notHex << 1 << qint64{5};
    QTest::newRow("bit 28") << QByteArray("10000000") << above << 0 << qint64{0x10000000};
    QTest::newRow("32 bits") << QByteArray("FFFFFFFF") << above << 0 << qint64{0xFFFFFFFF};
    // 33 bits whose low 32 are zero: a reader that wraps would take it for 0.
    QTest::newRow("wraps to zero") << QByteArray("100000000") << above32 << 0 << qint64{-1};
    QTest::newRow("wraps to a flag") << QByteArray("1000000001") << above32 << 0 << qint64{-1};
    QTest::newRow("very long") << QByteArray(5000, 'F') << above32 << 0 << qint64{-1};
    QTest::newRow("zeros, then 32 bits")
        << QByteArray("0x000000C0002180") << above << 0 << qint64{0xC0002180};
    QTest::newRow("too long, then letters")
        << QByteArray("100000000xyz") << notHex << 9 << qint64{-1};
}

void tst_FlagsValueReader::refused()
{
    QFETCH(QByteArray, text);
    QFETCH(ValueProblem, problem);
    QFETCH(int, badOffset);
    QFETCH(qint64, gameValue);

    const ValueReading reading = readFlagsValue(view(text));
    QCOMPARE(reading.problem, problem);
    if (problem == ValueProblem::NotHex)
        QCOMPARE(reading.badOffset, static_cast<std::size_t>(badOffset));
    QCOMPARE(gameValueOf(reading), gameValue);
    // Bits beyond the flags are kept, so that the flags among them can be shown.
    if (problem == ValueProblem::AboveFlags)
        QCOMPARE(qint64{reading.value}, gameValue);
}

void tst_FlagsValueReader::allowedBitsLimitTheValue()
{
    constexpr std::uint32_t digitsOneToFour = 0xFFFF;
    QCOMPARE(readFlagsValue("FFFF", digitsOneToFour).problem, ValueProblem::None);
    QCOMPARE(readFlagsValue("0x0000FFFF", digitsOneToFour).value, 0xFFFFu);
    QCOMPARE(readFlagsValue("10000", digitsOneToFour).problem, ValueProblem::AboveFlags);
    QCOMPARE(readFlagsValue("9047000", digitsOneToFour).problem, ValueProblem::AboveFlags);
    QCOMPARE(readFlagsValue("9047000", digitsOneToFour).value, 0x9047000u);
}

QTEST_GUILESS_MAIN(tst_FlagsValueReader)
#include "tst_flagsvaluereader.moc"
