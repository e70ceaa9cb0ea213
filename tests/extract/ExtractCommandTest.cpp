// lumafold-gen --extract and --list: files written into the directory and
// nowhere else, each one whole, refusals and failures with their exit codes.
#include "BatchRun.h"
#include "FixedLocale.h"
#include "PackedSite.h"
#include "ReadBackRun.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace lumafold::test {
namespace {

using namespace lumafold::batch;
namespace fs = std::filesystem;

TEST(ReadBackOptions, ReadsTheCommandLine) {
    using Mode = ReadBackOptions::Mode;
    struct Case {
        std::vector<std::string> args;
        std::optional<ReadBackOptions> options;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {{"--extract", "s.AWL", "-d", "out"}, ReadBackOptions{Mode::Extract, "s.AWL", "out", ""}, ""},
        {{"-d", "out", "--extract", "s.AWL"}, ReadBackOptions{Mode::Extract, "s.AWL", "out", ""}, ""},
        {{"--list", "s.AWL"}, ReadBackOptions{Mode::List, "s.AWL", "", ""}, ""},
        {{"--extract", "s.AWL", "--list"}, ReadBackOptions{Mode::List, "s.AWL", "", ""}, ""},
        {{"--verify", "p.F2D", "s.AWL"}, ReadBackOptions{Mode::Verify, "s.AWL", "", "p.F2D"}, ""},
        {{"--extract", "s.AWL"}, std::nullopt, "--extract needs -d DIR, the directory for the files (or --list)"},
        {{"--extract", "s.AWL", "-d"}, std::nullopt, "option -d needs a file name"},
        {{"--list"}, std::nullopt, "no AWL source given"},
        {{"--list", "a.AWL", "b.AWL"}, std::nullopt, "more than one AWL source: a.AWL, b.AWL"},
        {{"--list", "a.AWL", "-d", "x"}, std::nullopt, "--list writes nothing: -d does not go with it"},
        {{"--verify", "p.F2D"}, std::nullopt, "--verify takes a project file and an AWL source, and nothing else"},
        {{"--verify", "p.F2D", "s.AWL", "--list"}, std::nullopt, "--extract, --list and --verify do not go together"},
        {{"--extract", "s.AWL", "--verify", "p.F2D"}, std::nullopt, "--extract, --list and --verify do not go together"},
        {{"--list", "s.AWL", "-o", "x"}, std::nullopt, "unknown option -o (with --extract, --list or --verify)"},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_TRUE(IsReadBack(c.args));
        const auto o = ParseReadBack(c.args, problem);
        ASSERT_EQ(o.has_value(), c.options.has_value()) << problem;
        EXPECT_EQ(problem, c.problem);
        if (!o) continue;
        EXPECT_EQ(o->mode, c.options->mode);
        EXPECT_EQ(o->source, c.options->source);
        EXPECT_EQ(o->directory, c.options->directory);
        EXPECT_EQ(o->project, c.options->project);
    }
    EXPECT_FALSE(IsReadBack({"p.F2D", "-o", "out.AWL"}));
}

class Extract : public ::testing::Test {
protected:
    Extract() {
        UseUtcAndCLocale();
        site.Add("index.htm", "<html>\r\n");
        site.Add("it's.txt", "OK\n");
        site.Add("\xC3\x84rger.gif", "GIF89a-12");
        source = site.WriteSource(dir);
    }
    int Run(ReadBackOptions::Mode mode, const std::string& awl, const std::string& directory = "") {
        out.str("");
        err.str("");
        return RunReadBack(ReadBackOptions{mode, awl, directory, ""}, out, err);
    }
    int ExtractTo(const std::string& directory) { return Run(ReadBackOptions::Mode::Extract, source, directory); }

    PackedSite site;
    TempDir dir;
    std::string source;
    std::ostringstream out, err;
};

TEST_F(Extract, WritesEveryFileUnderItsNameIntoTheDirectory) {
    const std::string target = dir.File("new/sub");
    ASSERT_EQ(ExtractTo(target), kExitGenerated) << err.str();
    EXPECT_EQ(out.str(), "3 files of DB900 written to " + target + "\n");
    EXPECT_EQ(NamesIn(target), (std::vector<std::string>{"index.htm", "it's.txt", "\xC3\x84rger.gif"}));
    for (const SiteFile& f : site.Files()) EXPECT_EQ(ReadFile(target + "/" + f.name), f.bytes) << f.name;
}

TEST_F(Extract, ReplacesWhatStandsThereButNeverFollowsALinkOut) {
    const std::string target = dir.MakeDir("out");
    const std::string outside = dir.Write("outside.txt", "keep me");
    ASSERT_EQ(::symlink(outside.c_str(), (target + "/index.htm").c_str()), 0);
    dir.Write("out/it's.txt", "an older, longer file of that name");
    ASSERT_EQ(ExtractTo(target), kExitGenerated) << err.str();
    EXPECT_EQ(ReadFile(outside), "keep me");
    struct stat st {};
    ASSERT_EQ(::lstat((target + "/index.htm").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadFile(target + "/index.htm"), "<html>\r\n");
    EXPECT_EQ(ReadFile(target + "/it's.txt"), "OK\n");
}

TEST_F(Extract, ARefusedSourceWritesNothing) {
    std::string text = ReadFile(source);
    text.erase(text.find("  B[2] := B#16#4B; // K\r\n"), 25);
    const std::string damaged = dir.Write("damaged.AWL", text);
    const std::string target = dir.File("out");
    EXPECT_EQ(Run(ReadBackOptions::Mode::Extract, damaged, target), kExitUntrusted);
    EXPECT_NE(err.str().find(damaged + ":"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find(": B[2] of DB 902 has no value\n"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("nothing was written"), std::string::npos);
    EXPECT_FALSE(FileExists(target));
    EXPECT_EQ(out.str(), "");
}

TEST_F(Extract, AFailedWriteListsTheFilesWrittenBefore) {
    const std::string target = dir.MakeDir("out");
    dir.MakeDir("out/it's.txt");  // a directory where the second file should go
    dir.Write("out/it's.txt/inside", "x");
    EXPECT_EQ(ExtractTo(target), kExitWriteFailed);
    EXPECT_NE(err.str().find("cannot write " + target + "/it's.txt: "), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("1 of 3 files were written before:\n  " + target + "/index.htm\n"), std::string::npos)
        << err.str();
    EXPECT_EQ(NamesIn(target), (std::vector<std::string>{"index.htm", "it's.txt"}));  // no temporary file left
}

TEST_F(Extract, ListsTheFilesWithoutWriting) {
    EXPECT_EQ(Run(ReadBackOptions::Mode::List, source), kExitGenerated) << err.str();
    EXPECT_EQ(out.str(),
              "Block  Bytes  Name\n"
              "DB901      8  index.htm\n"
              "DB902      3  it's.txt\n"
              "DB903      9  \xC3\x84rger.gif\n"
              "3 files, 20 bytes, index DB900\n");
}

TEST_F(Extract, SourcesThatCannotBeReadEndWithAReason) {
    const std::string fifo = dir.File("fifo.AWL");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        std::string reason;
    };
    for (const Case& c : {Case{dir.File("none.AWL"), "No such file or directory"}, Case{dir.Path(), "Is a directory"},
                          Case{fifo, "not a plain file"}}) {
        EXPECT_EQ(Run(ReadBackOptions::Mode::List, c.path), kExitNotGenerated) << c.path;
        EXPECT_EQ(err.str(), "lumafold-gen: error: cannot read " + c.path + ": " + c.reason + "\n");
    }
}

TEST_F(Extract, AGigabyteWithoutALineEndIsRefusedAtOnce) {
    // Sparse: the file takes no room, and the reader looks at no more than a line's worth.
    const std::string huge = dir.Write("huge.AWL", "// Generated with : ZALT - Lumafold V2.2 \r\nTYPE ");
    ASSERT_EQ(::truncate(huge.c_str(), off_t{1} << 30), 0);
    EXPECT_EQ(Run(ReadBackOptions::Mode::Extract, huge, dir.File("out")), kExitUntrusted);
    EXPECT_NE(err.str().find(huge + ":2: "), std::string::npos) << err.str();
    EXPECT_FALSE(FileExists(dir.File("out")));
}

} // namespace
} // namespace lumafold::test
