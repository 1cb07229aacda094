#include "cli/JsonReport.h"
#include "support/StdText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>
#include <sstream>

using namespace Qt::StringLiterals;

using namespace bitloom::cli;
using namespace bitloom::handling;
using namespace bitloom::tests;

namespace {

// The scan report of one good vehicle and one bad line, both with this
// identifier, read back; an empty object when the report is not valid JSON.
QJsonObject scanReport(const QByteArray &identifier, const QByteArray &file = "handling.cfg")
{
    ScanResult result;
    result.vehicles.push_back({1, LineKind::Standard, view(identifier), "1", 1});
    result.problems.push_back({.message = "m", .line = 2, .identifier = view(identifier)});
    std::ostringstream out;
    JsonReport(out).scanned(view(file), result, {}, viceCity);

    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes(out.str()), &error);
    if (error.error != QJsonParseError::NoError) {
        qWarning("invalid JSON: %s", qPrintable(error.errorString()));
        return {};
    }
    return document.object();
}

QString vehicleIdentifier(const QJsonObject &report)
{
    return report[u"vehicles"][0][u"identifier"].toString(u"<none>"_s);
}

QString problemIdentifier(const QJsonObject &report)
{
    return report[u"problems"][0][u"identifier"].toString(u"<none>"_s);
}

} // namespace

class tst_JsonReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsFromTheFile_data();
    void textsFromTheFile();
    void validUtf8IsKept();
    void anyBytesGiveValidJson();
};

// Identifiers and file names come as bytes: escaped where JSON wants it, and
// what is not UTF-8 replaced by U+FFFD, byte by byte.
void tst_JsonReport::textsFromTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("read");

    QTest::newRow("plain") << QByteArray("LANDSTAL") << u"LANDSTAL"_s;
    QTest::newRow("quote and backslash") << QByteArray(R"(\data\"x")") << u"\\data\\\"x\""_s;
    QTest::newRow("controls") << QByteArray("a\r\n\t\x01\x1F\x7F") << u"a\r\n\t\x01\x1F\x7F"_s;
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << QStringView(u"a\0b", 3).toString();
    QTest::newRow("French text") << QByteArray("élevé") << u"élevé"_s;
    QTest::newRow("four-byte character") << QByteArray("\xF0\x9F\x9A\x97") << u"\U0001F697"_s;

    QTest::newRow("Windows-1252 byte") << QByteArray("caf\xE9") << u"caf\uFFFD"_s;
    QTest::newRow("cut sequence") << QByteArray("\xC3") << u"\uFFFD"_s;
    QTest::newRow("lone continuation") << QByteArray("\x80") << u"\uFFFD"_s;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << u"\uFFFD\uFFFD"_s;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << u"\uFFFD\uFFFD\uFFFD"_s;
    QTest::newRow("above U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80") << u"\uFFFD\uFFFD\uFFFD\uFFFD"_s;
    QTest::newRow("bad byte, then good text") << QByteArray("\xE9t\xC3\xA9") << u"\uFFFDté"_s;
}

void tst_JsonReport::textsFromTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, read);

    const QJsonObject report = scanReport(bytes, bytes);
    QCOMPARE(vehicleIdentifier(report), read);
    QCOMPARE(problemIdentifier(report), read);
    QCOMPARE(report[u"file"].toString(), read);
}

void tst_JsonReport::validUtf8IsKept()
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
        QCOMPARE(vehicleIdentifier(scanReport(text.toUtf8())), text);
    }
}

void tst_JsonReport::anyBytesGiveValidJson()
{
    QRandomGenerator random(11);
    for (int round = 0; round < 2000; ++round) {
        QByteArray text(random.bounded(24), '\0');
        for (char &c : text)
            c = static_cast<char>(random.bounded(256));
        QVERIFY2(!scanReport(text, text).isEmpty(), text.toHex().constData());
    }
}

QTEST_GUILESS_MAIN(tst_JsonReport)
#include "tst_cli_jsonreport.moc"
