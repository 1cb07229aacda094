#include "handling/FileReader.h"
#include "support/TempFolder.h"

#include "support/Doctest.h"
#include <filesystem>
#include <sstream>
#include <string>

using namespace bitloom::handling;
using bitloom::tests::TempFolder;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t megabyte = 1024 * 1024;

// Paths reach the reader in UTF-8, as the command line gives them.
std::string utf8(const fs::path &path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace

TEST_CASE("a file is read whole, every byte, in blocks")
{
    const TempFolder folder("bitloom-reader");
    std::string contents;
    for (std::size_t i = 0; i < 3 * megabyte + 17; ++i)
        contents += static_cast<char>(1 + i % 255); // no NUL
    const FileContents read = readFileContents(utf8(folder.write("handling.cfg", contents)));
    CHECK(read.error == "");
    CHECK(read.text == contents);

    // Even under a name outside the system's code page.
    const fs::path unusual = folder.write(u8"Données Ω/handling.cfg", "; x\n");
    CHECK(readFileContents(utf8(unusual)).text == "; x\n");
}

TEST_CASE("a file that cannot be read says why")
{
    const TempFolder folder("bitloom-reader");
    CHECK(readFileContents(utf8(folder.path() / "absent.cfg")).error == "fichier introuvable");
    CHECK(readFileContents(utf8(folder.path())).error == "c'est un dossier, pas un fichier");

    const std::string path = utf8(folder.write("large.cfg", std::string(3 * megabyte, 'A')));
    CHECK(readFileContents(path, 3 * megabyte).error == "");
    const FileContents large = readFileContents(path, 2 * megabyte);
    CHECK(large.error == "fichier trop gros (plus de 2 Mio)");
    CHECK(large.text.empty());
}

TEST_CASE("reading stops after the block with a NUL byte, unless the text is UTF-16 or UTF-32")
{
    const TempFolder folder("bitloom-reader");
    std::string binary(5 * megabyte, 'A');
    binary[10] = '\0';
    const FileContents read = readFileContents(utf8(folder.write("binary.cfg", binary)));
    CHECK(read.error == "");
    CHECK(read.text.size() < binary.size());
    CHECK(read.text[10] == '\0');

    // UTF-16 and UTF-32 text holds NUL bytes everywhere: with its byte order
    // mark, it is read to the end like any text.
    const std::pair<std::string, bool> marks[] = {
        {"\xFF\xFE", true},      {"\xFE\xFF", true}, {std::string("\0\0\xFE\xFF", 4), true},
        {"\xEF\xBB\xBF", false}, {"", false},
    };
    for (const auto &[mark, whole] : marks) {
        CAPTURE(whole);
        std::string wide = mark;
        while (wide.size() < 3 * megabyte)
            wide += std::string("A\0", 2);
        const FileContents text = readFileContents(utf8(folder.write("wide.cfg", wide)));
        CHECK(text.error == "");
        CHECK((text.text.size() == wide.size()) == whole);
    }

    if (fs::exists("/dev/zero")) {
        const FileContents endless = readFileContents("/dev/zero");
        CHECK(endless.error == "");
        CHECK_FALSE(endless.text.empty());
    }
}

TEST_CASE("the standard input is read whole, within the limit")
{
    std::istringstream in(std::string(3 * megabyte, 'B') + "end");
    const FileContents read = readStreamContents(in);
    CHECK(read.error == "");
    CHECK(read.text.size() == 3 * megabyte + 3);
    CHECK(read.text.ends_with("Bend"));

    std::istringstream tooMuch(std::string(2 * megabyte + 1, 'B'));
    CHECK(readStreamContents(tooMuch, 2 * megabyte).error == "fichier trop gros (plus de 2 Mio)");
}
