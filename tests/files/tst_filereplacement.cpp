// A file replaced in one step: never changed under another program's edit,
// never half written, its permissions and links kept.
#include "files/FileReplacement.h"
#include "support/TempFolder.h"

#include "support/Doctest.h"
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace bitloom;
using namespace bitloom::tests;
namespace fs = std::filesystem;

namespace {

const std::string before = "; handling\r\nLANDSTAL 220\r\n";
const std::string after = "; handling\r\nLANDSTAL 4000200\r\n";

struct OneFile {
    TempFolder folder{"bitloom-replace"};
    fs::path file = folder.write("handling.cfg", before);
    std::string path = file.string();
};

} // namespace

TEST_CASE("the new contents replace the file, the old ones beside it, or not")
{
    const OneFile kept;
    CHECK(files::replaceFile(kept.path, {.original = before, .contents = after}) == "");
    CHECK(contentsOf(kept.file) == after);
    CHECK(contentsOf(files::backupPath(kept.path)) == before);

    const OneFile bare;
    CHECK(
        files::replaceFile(bare.path, {.original = before, .contents = after, .keepBackup = false})
        == "");
    CHECK(namesIn(bare.folder.path()) == std::vector<std::string>{"handling.cfg"});
}

TEST_CASE("a file changed on disk since it was read is not replaced")
{
    const OneFile changed;
    CHECK(files::replaceFile(changed.path, {.original = "what it read before", .contents = after})
          == "le fichier a changé sur le disque depuis sa lecture ; relancez la commande");
    CHECK(contentsOf(changed.file) == before);

    // Changed while the new contents were being written.
    const OneFile meanwhile;
    const auto editElsewhere = [&] {
        meanwhile.folder.write("handling.cfg", "another edit");
    };
    CHECK(
        !files::replaceFile(meanwhile.path, {.original = before, .contents = after}, editElsewhere)
             .empty());
    CHECK(contentsOf(meanwhile.file) == "another edit");
    CHECK(namesIn(meanwhile.folder.path()) == std::vector<std::string>{"handling.cfg"});
}

#ifndef _WIN32
TEST_CASE("killed before the new contents take the file's place, the file is whole")
{
    const OneFile killed;
    const pid_t child = fork();
    REQUIRE(child >= 0);
    if (child == 0) {
        files::replaceFile(killed.path, {.original = before, .contents = after},
                           [] { std::raise(SIGKILL); });
        _exit(0);
    }
    int status = 0;
    REQUIRE(waitpid(child, &status, 0) == child);
    CHECK(WIFSIGNALED(status));
    CHECK(contentsOf(killed.file) == before);
    // What was left beside it is the new contents, whole.
    const std::vector<std::string> names = namesIn(killed.folder.path());
    REQUIRE(names.size() == 2);
    CHECK(names[0].starts_with(".handling.cfg."));
    CHECK(contentsOf(killed.folder.path() / names[0]) == after);
}

TEST_CASE("the file keeps its permissions, and a link stays a link to it")
{
    const OneFile linked;
    const fs::perms permissions
        = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(linked.file, permissions);
    const fs::path link = linked.folder.path() / "link.cfg";
    fs::create_symlink(linked.file, link);
    CHECK(files::replaceFile(link.string(), {.original = before, .contents = after}) == "");
    CHECK(fs::is_symlink(link));
    CHECK(contentsOf(linked.file) == after);
    CHECK(fs::status(linked.file).permissions() == permissions);
    CHECK(contentsOf(link.string() + ".bak") == before);
}
#endif
