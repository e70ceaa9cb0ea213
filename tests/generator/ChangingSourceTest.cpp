// Sources that change between planning and writing (in the window the Save
// dialog stands between the two): the run fails with the file's name, and
// leaves the older source, every other file and no temporary file behind.
#include "GenerateCommand.h"
#include "GeneratorFixture.h"
#include "TreeSnapshot.h"
#include "UnprivilegedScope.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace lumafold::test {
namespace {

namespace fs = std::filesystem;

struct ChangeCase {
    const char* what;
    std::function<void(const std::string& path)> change;  // done to page.htm once the dialog is answered
    std::string reason;                                   // why page.htm can't be read
    bool unprivileged = false;
};

class ChangingSource : public GeneratorTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangingSource, FailsWithTheFilesNameAndLeavesEverythingAsItWas) {
    const ChangeCase& c = GetParam();
    AddFile("a.htm", "aaaa");
    AddFile("page.htm", "<html>page</html>");  // 17 bytes when planned
    AddFile("z.htm", "zz");
    const std::string out = dir.Write("site.AWL", "older source");
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
    prompter.AnswerFileDialog(FileChoice{out, "site.AWL"}).AnswerMessage(Answer::OK);
    TreeSnapshot changed;
    bool done = false;
    const bool root = ::geteuid() == 0;
    hooks.during = [&] {
        if (done) return;
        done = true;
        // The change and its record are made with the test's own rights.
        const bool back = c.unprivileged && root && ::seteuid(0) == 0;
        c.change(dir.File("page.htm"));
        changed = SnapshotOf(dir.Path());
        if (back) {
            EXPECT_EQ(::seteuid(65534), 0);
        }
    };
    {
        std::optional<UnprivilegedScope> asUser;
        if (c.unprivileged) asUser.emplace();
        GenerateCommand(ctx, [] { return int64_t{0}; }).Run();
    }
    ASSERT_TRUE(done);
    const Message m = prompter.Messages().back();
    EXPECT_EQ(m.text, "File \"" + dir.File("page.htm") + "\" can't be read: " + c.reason + " \r\nNo source generated");
    EXPECT_EQ(m.icon, Icon::Error);
    EXPECT_EQ(SnapshotOf(dir.Path()), changed);
    EXPECT_EQ(ReadFile(out), "older source");
}

void Replace(const std::string& path, const std::function<void()>& make) {
    fs::remove(path);
    make();
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangingSource,
    ::testing::Values(
        ChangeCase{"grown",
                   [](auto& p) {
                       FILE* f = std::fopen(p.c_str(), "ab");
                       std::fputs(" and more", f);
                       std::fclose(f);
                   },
                   "it holds 26 bytes now, 17 when the run began"},
        ChangeCase{"shrunk", [](auto& p) { fs::resize_file(p, 5); }, "it holds 5 bytes now, 17 when the run began"},
        ChangeCase{"removed", [](auto& p) { fs::remove(p); }, "it doesn't exist"},
        ChangeCase{"replaced_by_a_FIFO", [](auto& p) { Replace(p, [&] { ::mkfifo(p.c_str(), 0644); }); },
                   "it is a FIFO now, not a plain file"},
        ChangeCase{"replaced_by_a_directory", [](auto& p) { Replace(p, [&] { fs::create_directory(p); }); },
                   "it is a directory now, not a plain file"},
        ChangeCase{"replaced_by_a_link_in_a_circle",
                   [](auto& p) { Replace(p, [&] { fs::create_symlink(p, p); }); }, "it is a link that leads in a circle"},
        ChangeCase{"made_unreadable", [](auto& p) { ::chmod(p.c_str(), 0); }, "Permission denied", true}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace lumafold::test
