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
    const FileContents read
        = readFileContents(utf8(folder.write("handling.cfg", contents)), 4 * megabyte);
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

    // Far more than the game reads: refused without reading it.
    const std::string path = utf8(folder.write("large.cfg", std::string(maxFileBytes, 'A')));
    CHECK(readFileContents(path).error == "");
    fs::resize_file(path, maxFileBytes + 1);
    const FileContents large = readFileContents(path);
    CHECK(large.error
          == "fichier de 1048577 octets : bien plus que les 55000 que lit le jeu, ce n'est pas un "
             "fichier de handling ; il n'est pas lu");
    CHECK(large.text.empty());
}

TEST_CASE("reading stops after the block with a NUL byte, unless the text is UTF-16 or UTF-32")
{
    const TempFolder folder("bitloom-reader");
    std::string binary(5 * megabyte, 'A');
    binary[10] = '\0';
    const FileContents read
        = readFileContents(utf8(folder.write("binary.cfg", binary)), 8 * megabyte);
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
        const FileContents text
            = readFileContents(utf8(folder.write("wide.cfg", wide)), 4 * megabyte);
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
    const FileContents read = readStreamContents(in, 4 * megabyte);
    CHECK(read.error == "");
    CHECK(read.text.size() == 3 * megabyte + 3);
    CHECK(read.text.ends_with("Bend"));

    std::istringstream tooMuch(std::string(maxFileBytes + 1, 'B'));
    CHECK(readStreamContents(tooMuch).error
          == "fichier de plus de 1 Mio : bien plus que les 55000 que lit le jeu, ce n'est pas un "
             "fichier de handling ; il n'est pas lu");
}
