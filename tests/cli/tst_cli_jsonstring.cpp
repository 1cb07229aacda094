#include "cli/JsonString.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom::cli;

namespace {

QByteArray literal(const QByteArray &text)
{
    const std::string json = jsonString({text.constData(), static_cast<std::size_t>(text.size())});
    return QByteArray(json.data(), static_cast<qsizetype>(json.size()));
}

// What a JSON reader makes of the literal; fails the test on invalid JSON.
QString parsed(const QByteArray &literal)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson('[' + literal + ']', &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("invalid JSON %s: %s", literal.constData(), qPrintable(error.errorString()));
    return document.array().at(0).toString(u"<not a string>"_s);
}

} // namespace

class tst_JsonString : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void literals_data();
    void literals();
    void validUtf8IsKept();
    void anyBytesGiveValidJson();
};

void tst_JsonString::literals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("literal");

    QTest::newRow("empty") << QByteArray() << QByteArray(R"("")");
    QTest::newRow("plain") << QByteArray("LANDSTAL") << QByteArray(R"("LANDSTAL")");
    QTest::newRow("quote and backslash")
        << QByteArray(R"(\data\"x")") << QByteArray(R"("\\data\\\"x\"")");
    QTest::newRow("line breaks and tab") << QByteArray("a\r\n\tb") << QByteArray(R"("a\r\n\tb")");
    QTest::newRow("other controls")
        << QByteArray("\x01\x1F\x7F", 3) << QByteArray("\"\\u0001\\u001f\x7F\"");
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray(R"("a\u0000b")");
    QTest::newRow("French text") << QByteArray("élevé") << QByteArray("\"élevé\"");
    QTest::newRow("four-byte character")
        << QByteArray("\xF0\x9F\x9A\x97") << QByteArray("\"\xF0\x9F\x9A\x97\"");

    const QByteArray replaced = "\"\xEF\xBF\xBD\"";
    QTest::newRow("Windows-1252 byte") << QByteArray("\xE9") << replaced;
    QTest::newRow("cut sequence") << QByteArray("\xC3") << replaced;
    QTest::newRow("lone continuation") << QByteArray("\x80") << replaced;
    QTest::newRow("overlong slash")
        << QByteArray("\xC0\xAF") << QByteArray("\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80")
                               << QByteArray("\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80")
                                    << QByteArray("\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
                                                  "\xEF\xBF\xBD\"");
    QTest::newRow("bad byte, then good text")
        << QByteArray("\xE9t\xC3\xA9") << QByteArray("\"\xEF\xBF\xBDt\xC3\xA9\"");
}

void tst_JsonString::literals()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, literal);
    QCOMPARE(::literal(text), literal);
}

void tst_JsonString::validUtf8IsKept()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 500; ++round) {
        QString text;
        for (int i = random.bounded(20); i > 0; --i) {
            char32_t c = random.bounded(0x110000u);
            if (c >= 0xD800 && c <= 0xDFFF)
                c = 0xE9;
            text += QString::fromUcs4(&c, 1);
        }
        QCOMPARE(parsed(literal(text.toUtf8())), text);
    }
}

void tst_JsonString::anyBytesGiveValidJson()
{
    QRandomGenerator random(11);
    for (int round = 0; round < 2000; ++round) {
        QByteArray text(random.bounded(24), '\0');
        for (char &c : text)
            c = static_cast<char>(random.bounded(256));
        QVERIFY2(parsed(literal(text)) != u"<not a string>"_s, text.toHex().constData());
    }
}

QTEST_GUILESS_MAIN(tst_JsonString)
#include "tst_cli_jsonstring.moc"
