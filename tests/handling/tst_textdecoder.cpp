#include "handling/TextDecoder.h"
#include "support/StdText.h"

#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom::handling;
using namespace bitloom::tests;

Q_DECLARE_METATYPE(TextEncoding)

namespace {

QByteArray utf16(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding);
    return encoder(text);
}

} // namespace

class tst_TextDecoder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodings_data();
    void encodings();
    void wideMarks_data();
    void wideMarks();
};

void tst_TextDecoder::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("text"); // UTF-8
    QTest::addColumn<QString>("error");

    const QString sample = u"; é\r\nLANDSTAL 1\r\n"_s;
    const QByteArray sampleUtf8 = sample.toUtf8();
    const QString none;

    QTest::newRow("empty") << QByteArray() << TextEncoding::Plain << QByteArray() << none;
    QTest::newRow("ASCII") << QByteArray("; a\nB 1\n") << TextEncoding::Plain
                           << QByteArray("; a\nB 1\n") << none;
    QTest::newRow("Windows-1252, as it is")
        << QByteArray("; caf\xE9\n") << TextEncoding::Plain << QByteArray("; caf\xE9\n") << none;
    // A NUL byte that is no UTF-16 pattern: binary, for the checks to say.
    QTest::newRow("binary") << QByteArray("AB\0CD", 5) << TextEncoding::Plain
                            << QByteArray("AB\0CD", 5) << none;
    QTest::newRow("UTF-8 mark") << "\xEF\xBB\xBF" + sampleUtf8 << TextEncoding::Utf8Bom
                                << sampleUtf8 << none;
    QTest::newRow("UTF-16 LE") << "\xFF\xFE" + utf16(sample, QStringConverter::Utf16LE)
                               << TextEncoding::Utf16Le << sampleUtf8 << none;
    QTest::newRow("UTF-16 BE") << "\xFE\xFF" + utf16(sample, QStringConverter::Utf16BE)
                               << TextEncoding::Utf16Be << sampleUtf8 << none;
    QTest::newRow("UTF-16, beyond the BMP")
        << "\xFF\xFE" + utf16(u"\U0001F697"_s, QStringConverter::Utf16LE) << TextEncoding::Utf16Le
        << QByteArray("\xF0\x9F\x9A\x97") << none;
    QTest::newRow("UTF-16, lone surrogate")
        << QByteArray("\xFF\xFE\x00\xD8\x41\x00", 6) << TextEncoding::Utf16Le
        << QByteArray("\xEF\xBF\xBD"
                      "A")
        << none;
    QTest::newRow("UTF-16, odd last byte")
        << QByteArray("\xFF\xFE\x41\x00\x42", 5) << TextEncoding::Utf16Le
        << QByteArray("A\xEF\xBF\xBD") << none;

    const QString unread = u" : encodage non lu ; enregistrez-le en ANSI"_s;
    QTest::newRow("UTF-32 LE") << "\xFF\xFE" + QByteArray(2, '\0') + QByteArray("A\0\0\0", 4)
                               << TextEncoding::Plain << QByteArray()
                               << u"fichier en UTF-32 LE (d'après sa marque d'ordre des octets)"_s
                                      + unread;
    QTest::newRow("UTF-32 BE") << QByteArray("\0\0\xFE\xFF\0\0\0A", 8) << TextEncoding::Plain
                               << QByteArray()
                               << u"fichier en UTF-32 BE (d'après sa marque d'ordre des octets)"_s
                                      + unread;
    QTest::newRow("UTF-16 LE, no mark")
        << utf16(sample, QStringConverter::Utf16LE) << TextEncoding::Plain << QByteArray()
        << u"fichier en UTF-16 LE sans marque d'ordre des octets"_s + unread;
    QTest::newRow("UTF-16 BE, no mark")
        << utf16(sample, QStringConverter::Utf16BE) << TextEncoding::Plain << QByteArray()
        << u"fichier en UTF-16 BE sans marque d'ordre des octets"_s + unread;
}

void tst_TextDecoder::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, text);
    QFETCH(QString, error);

    const DecodedText decoded = decodeText(bytes.toStdString());
    QCOMPARE(::bytes(decoded.error), error.toUtf8());
    QCOMPARE(decoded.encoding, encoding);
    QCOMPARE(::bytes(decoded.text), text);
}

void tst_TextDecoder::wideMarks_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<bool>("wide");
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE") << true;
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF") << true;
    QTest::newRow("UTF-32 LE") << QByteArray("\xFF\xFE\0\0", 4) << true;
    QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF") << false;
    QTest::newRow("text") << QByteArray("; x") << false;
    QTest::newRow("half a mark") << QByteArray("\xFF") << false;
}

void tst_TextDecoder::wideMarks()
{
    QFETCH(QByteArray, start);
    QFETCH(bool, wide);
    QCOMPARE(startsWithWideMark(view(start)), wide);
}

QTEST_GUILESS_MAIN(tst_TextDecoder)
#include "tst_cli_textdecoder.moc"
