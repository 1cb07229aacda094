#include "handling/FileReader.h"
#include "support/HandlingText.h"
#include "support/StdText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

using namespace Qt::StringLiterals;

using namespace bitloom::handling;
using namespace bitloom::tests;

class tst_FileReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readsEveryByte();
    void missingFile();
    void directory();
    void tooLarge();
    void stopsAfterTheBlockWithANul();
    void endlessDeviceIsNotReadForever();
    void wideTextIsReadWhole_data();
    void wideTextIsReadWhole();
    void standardInput();

private:
    QString write(const QByteArray &contents);
    QTemporaryDir dir;
};

void tst_FileReader::init()
{
    QVERIFY(dir.isValid());
}

QString tst_FileReader::write(const QByteArray &contents)
{
    return writeFile(dir.filePath(u"handling.cfg"_s), contents);
}

void tst_FileReader::readsEveryByte()
{
    QByteArray contents;
    for (int i = 0; i < 3 * 1024 * 1024 + 17; ++i)
        contents += static_cast<char>(1 + i % 255); // several blocks, no NUL
    const FileContents read = readFileContents(write(contents).toStdString());
    QCOMPARE(read.error, std::string());
    QVERIFY(bytes(read.text) == contents);
}

void tst_FileReader::missingFile()
{
    const FileContents read = readFileContents(dir.filePath(u"absent.cfg"_s).toStdString());
    QCOMPARE(read.error, std::string("fichier introuvable"));
}

void tst_FileReader::directory()
{
    const FileContents read = readFileContents(dir.path().toStdString());
    QCOMPARE(read.error, std::string("c'est un dossier, pas un fichier"));
}

void tst_FileReader::tooLarge()
{
    const std::string path = write(QByteArray(3 * 1024 * 1024, 'A')).toStdString();
    QCOMPARE(readFileContents(path, 3 * 1024 * 1024).error, std::string());
    const FileContents read = readFileContents(path, 2 * 1024 * 1024);
    QCOMPARE(read.error, std::string("fichier trop gros (plus de 2 Mio)"));
    QVERIFY(read.text.empty());
}

void tst_FileReader::stopsAfterTheBlockWithANul()
{
    QByteArray contents(5 * 1024 * 1024, 'A');
    contents[10] = '\0';
    const FileContents read = readFileContents(write(contents).toStdString());
    QCOMPARE(read.error, std::string());
    QVERIFY(read.text.size() < static_cast<std::size_t>(contents.size()));
    QCOMPARE(read.text[10], '\0');
}

void tst_FileReader::endlessDeviceIsNotReadForever()
{
    if (!QFile::exists(u"/dev/zero"_s))
        QSKIP("no /dev/zero here");
    const FileContents read = readFileContents("/dev/zero");
    QCOMPARE(read.error, std::string());
    QVERIFY(!read.text.empty());
}

// UTF-16 and UTF-32 text holds NUL bytes everywhere: with its byte order
// mark, it is read to the end like any text.
void tst_FileReader::wideTextIsReadWhole_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<bool>("whole");
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE") << true;
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF") << true;
    QTest::newRow("UTF-32 BE") << QByteArray("\0\0\xFE\xFF", 4) << true;
    QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF") << false;
    QTest::newRow("no mark") << QByteArray() << false;
}

void tst_FileReader::wideTextIsReadWhole()
{
    QFETCH(QByteArray, mark);
    QFETCH(bool, whole);
    QByteArray contents = mark;
    while (contents.size() < 3 * 1024 * 1024)
        contents += QByteArray("A\0", 2);
    const FileContents read = readFileContents(write(contents).toStdString());
    QCOMPARE(read.error, std::string());
    QCOMPARE(read.text.size() == static_cast<std::size_t>(contents.size()), whole);
}

void tst_FileReader::standardInput()
{
    std::istringstream in(std::string(3 * 1024 * 1024, 'B') + "end");
    const FileContents read = readStreamContents(in, maxFileBytes);
    QCOMPARE(read.error, std::string());
    QCOMPARE(read.text.size(), std::size_t{3 * 1024 * 1024 + 3});
    QVERIFY(read.text.ends_with("Bend"));

    std::istringstream tooMuch(std::string(2 * 1024 * 1024 + 1, 'B'));
    QCOMPARE(readStreamContents(tooMuch, 2 * 1024 * 1024).error,
             std::string("fichier trop gros (plus de 2 Mio)"));
}

QTEST_GUILESS_MAIN(tst_FileReader)
#include "tst_cli_filereader.moc"
