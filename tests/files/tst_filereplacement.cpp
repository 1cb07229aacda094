// A file replaced in one step: never changed under another program's edit,
// never half written, its permissions and links kept; and nothing of the
// user's lost on the way, their own backups least of all.
#include "files/FileReplacement.h"
#include "support/TempFolder.h"

#include "support/Doctest.h"
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace bitloom;
using namespace bitloom::tests;
namespace fs = std::filesystem;
using files::ReplacementStep;

namespace {

const std::string before = "; handling\r\nLANDSTAL 4000200\r\n";
const std::string after = "; handling\r\nLANDSTAL 0\r\n";

struct OneFile {
    TempFolder folder{"bitloom-replace"};
    fs::path file = folder.write("handling.cfg", before);
    std::string path = file.string();

    files::ReplacementOutcome replace(bool keepBackup = true,
                                      std::function<void(ReplacementStep)> reached = {}) const
    {
        return files::replaceFile(
            path, {.original = before, .contents = after, .keepBackup = keepBackup}, reached);
    }

    // Every name in the folder with its file's contents ("/" for a folder).
    std::map<std::string, std::string> state() const
    {
        std::map<std::string, std::string> entries;
        for (const std::string &name : namesIn(folder.path()))
            entries[name]
                = fs::is_directory(folder.path() / name) ? "/" : contentsOf(folder.path() / name);
        return entries;
    }
};

} // namespace

TEST_CASE("the old contents are kept under the next backup name, and no backup is touched")
{
    struct Case {
        const char *what;
        std::vector<std::string> backups; // already in the folder
        std::string expected;
    };
    const Case cases[] = {
        {"none yet", {}, "handling.cfg.bak"},
        {"the user's own", {"handling.cfg.bak"}, "handling.cfg.2.bak"},
        {"after the highest", {"handling.cfg.bak", "handling.cfg.3.bak"}, "handling.cfg.4.bak"},
        {"other names are not backups of this file",
         {"handling.bak", "handling.cfg.x.bak", "handling.cfg.02.bak", "autre.cfg.5.bak"},
         "handling.cfg.bak"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.what);
        const OneFile one;
        for (const std::string &name : c.backups)
            one.folder.write(name, "MON ORIGINAL\r\n");
        auto expected = one.state();
        expected["handling.cfg"] = after;
        expected[c.expected] = before;

        const files::ReplacementOutcome outcome = one.replace();
        CHECK(outcome.failure == "");
        CHECK(fs::path(outcome.backup).filename() == c.expected);
        CHECK(one.state() == expected);
    }

    const OneFile taken;
    fs::create_directory(taken.folder.path() / "handling.cfg.bak");
    taken.folder.write("handling.cfg.2.bak", "MON ORIGINAL");
    fs::permissions(taken.folder.path() / "handling.cfg.2.bak", fs::perms::owner_read);
    CHECK(fs::path(taken.replace().backup).filename() == "handling.cfg.3.bak");
    CHECK(contentsOf(taken.folder.path() / "handling.cfg.2.bak") == "MON ORIGINAL");

    // Taken by another program between the choice of a name and the move.
    const OneFile raced;
    const files::ReplacementOutcome outcome = raced.replace(true, [&](ReplacementStep step) {
        if (step == ReplacementStep::BackupWritten)
            raced.folder.write("handling.cfg.bak", "MON ORIGINAL");
    });
    CHECK(fs::path(outcome.backup).filename() == "handling.cfg.2.bak");
    CHECK(contentsOf(raced.folder.path() / "handling.cfg.bak") == "MON ORIGINAL");

    const OneFile bare;
    CHECK(bare.replace(false).backup == "");
    CHECK(bare.state() == std::map<std::string, std::string>{{"handling.cfg", after}});
}

TEST_CASE("a file changed on disk since it was read is not replaced")
{
    const OneFile changed;
    CHECK(files::replaceFile(changed.path, {.original = "what it read before", .contents = after})
              .failure
          == "le fichier a changé sur le disque depuis sa lecture ; relancez la commande");
    CHECK(contentsOf(changed.file) == before);

    // Changed while the new contents and the backup were being written.
    const OneFile meanwhile;
    const auto editElsewhere = [&](ReplacementStep step) {
        if (step == ReplacementStep::BackupWritten)
            meanwhile.folder.write("handling.cfg", "another edit");
    };
    CHECK(meanwhile.replace(true, editElsewhere).failure != "");
    CHECK(meanwhile.state()
          == std::map<std::string, std::string>{{"handling.cfg", "another edit"}});
}

#ifndef _WIN32
namespace {

// Runs the replacement in a child process, which the step may end; its exit
// status tells whether it failed.
int replaceInChild(const OneFile &one, std::function<void()> prepare,
                   std::function<void(ReplacementStep)> reached = {})
{
    const pid_t child = fork();
    REQUIRE(child >= 0);
    if (child == 0) {
        prepare();
        _exit(one.replace(true, reached).failure.empty() ? 0 : 1);
    }
    int status = 0;
    REQUIRE(waitpid(child, &status, 0) == child);
    return status;
}

// Files may grow no larger than limit: the disk is full for them.
void fullDiskAbove(rlim_t limit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit size{limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
}

} // namespace

TEST_CASE("a failure at any step leaves the folder as it was, the user's backup included")
{
    REQUIRE(after.size() < before.size());
    const struct {
        const char *what;
        rlim_t fileSizeLimit;
    } fullDisks[] = {
        {"the disk full as the new contents are written", after.size() - 1},
        {"the disk full as the backup is written", before.size() - 1},
    };
    for (const auto &fullDisk : fullDisks) {
        CAPTURE(fullDisk.what);
        const OneFile one;
        one.folder.write("handling.cfg.bak", "MON ORIGINAL\r\n");
        const auto state = one.state();
        const int status = replaceInChild(one, [&] { fullDiskAbove(fullDisk.fileSizeLimit); });
        CHECK((WIFEXITED(status) && WEXITSTATUS(status) == 1));
        CHECK(one.state() == state);
    }

    // The file cannot be replaced once its backup is in place: here, as the
    // file gave way to a folder of its name; the backup placed goes again.
    const OneFile one;
    one.folder.write("handling.cfg.bak", "MON ORIGINAL\r\n");
    const files::ReplacementOutcome outcome = one.replace(true, [&](ReplacementStep step) {
        if (step != ReplacementStep::BackupPlaced)
            return;
        fs::remove(one.file);
        fs::create_directory(one.file);
    });
    CHECK(outcome.failure == "remplacement impossible : c'est un dossier");
    CHECK(one.state()
          == std::map<std::string, std::string>{{"handling.cfg", "/"},
                                                {"handling.cfg.bak", "MON ORIGINAL\r\n"}});
}

TEST_CASE("killed at any step, the file is whole and nothing of the user's is lost")
{
    // What stays beside the whole file: the hidden new contents, the hidden
    // backup, then the backup under its name.
    const struct {
        ReplacementStep step;
        std::vector<std::string> left;
    } steps[] = {
        {ReplacementStep::NewContentsWritten, {after}},
        {ReplacementStep::BackupWritten, {after, before}},
        {ReplacementStep::BackupPlaced, {after}},
    };
    for (const auto &[step, left] : steps) {
        CAPTURE(static_cast<int>(step));
        const OneFile killed;
        killed.folder.write("handling.cfg.bak", "MON ORIGINAL\r\n");
        const int status = replaceInChild(
            killed, [] {},
            [step](ReplacementStep reached) {
                if (reached == step)
                    std::raise(SIGKILL);
            });
        CHECK(WIFSIGNALED(status));
        auto state = killed.state();
        CHECK(state["handling.cfg"] == before);
        CHECK(state["handling.cfg.bak"] == "MON ORIGINAL\r\n");
        state.erase("handling.cfg");
        state.erase("handling.cfg.bak");
        if (step == ReplacementStep::BackupPlaced)
            CHECK(state.erase("handling.cfg.2.bak") == 1);
        std::vector<std::string> contents;
        for (const auto &[name, text] : state) {
            CHECK(name.starts_with(".handling.cfg."));
            contents.push_back(text);
        }
        std::sort(contents.begin(), contents.end());
        std::vector<std::string> expected = left;
        std::sort(expected.begin(), expected.end());
        CHECK(contents == expected);
    }
}

TEST_CASE("the file keeps its permissions, and a link stays a link to it")
{
    const OneFile linked;
    const fs::perms permissions
        = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(linked.file, permissions);
    const fs::path link = linked.folder.path() / "link.cfg";
    fs::create_symlink(linked.file, link);
    const files::ReplacementOutcome outcome
        = files::replaceFile(link.string(), {.original = before, .contents = after});
    CHECK(outcome.failure == "");
    CHECK(outcome.backup == link.string() + ".bak");
    CHECK(fs::is_symlink(link));
    CHECK(contentsOf(linked.file) == after);
    CHECK(fs::status(linked.file).permissions() == permissions);
    CHECK(contentsOf(outcome.backup) == before);
}
#endif
