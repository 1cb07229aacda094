#include "cli/FileReader.h"
#include "support/HandlingText.h"
#include "support/StdText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom::cli;
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

QTEST_GUILESS_MAIN(tst_FileReader)
#include "tst_cli_filereader.moc"
