// The one atomic file behind Save and Generate, with the options that make
// them differ: links, the old file's mode, and a target the user may not write.
#include "AtomicFile.h"
#include "TempDir.h"
#include "UnprivilegedScope.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lumafold::test {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> WriteWhole(AtomicFileOptions options, const std::string& path, const std::string& bytes) {
    AtomicFile file(options);
    if (auto reason = file.Open(path)) return reason;
    if (auto reason = file.Append(bytes.data(), bytes.size())) return reason;
    return file.Commit();
}

unsigned ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

struct OptionCase {
    const char* label;
    AtomicFileOptions options;
    unsigned mode;   // of the new file, when the old one had 0640 (umask 022)
    bool readOnlyReplaced;
};

class AtomicFileTest : public ::testing::TestWithParam<OptionCase> {
protected:
    AtomicFileTest() : oldMask_(::umask(022)) {}
    ~AtomicFileTest() override { ::umask(oldMask_); }
    TempDir dir;

private:
    mode_t oldMask_;
};

// Save and Generate alike: the link stays and the file it names is replaced.
TEST_P(AtomicFileTest, ALinkAtThePath) {
    const std::string sub = dir.MakeDir("sub");
    const std::string real = dir.Write("sub/real.txt", "old");
    const std::string link = dir.File("link.txt");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    ASSERT_FALSE(WriteWhole(GetParam().options, link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "new");
    EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{"link.txt", "sub"}));
    EXPECT_EQ(NamesIn(sub), std::vector<std::string>{"real.txt"});
}

TEST_P(AtomicFileTest, TheModeOfTheNewFile) {
    const std::string path = dir.Write("a.txt", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_FALSE(WriteWhole(GetParam().options, path, "new"));
    EXPECT_EQ(ModeOf(path), GetParam().mode);
    const std::string fresh = dir.File("fresh.txt");
    ASSERT_FALSE(WriteWhole(GetParam().options, fresh, "new"));
    EXPECT_EQ(ModeOf(fresh), 0644u);
}

TEST_P(AtomicFileTest, AReadOnlyTargetInAWritableDirectory) {
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
    const std::string path = dir.Write("a.txt", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    std::optional<std::string> reason;
    {
        UnprivilegedScope unprivileged;
        reason = WriteWhole(GetParam().options, path, "new");
    }
    EXPECT_EQ(!reason, GetParam().readOnlyReplaced);
    EXPECT_EQ(reason.value_or("Permission denied"), "Permission denied");
    EXPECT_EQ(ReadFile(path), GetParam().readOnlyReplaced ? "new" : "old");
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"a.txt"});
}

TEST_P(AtomicFileTest, NothingChangesUntilCommit) {
    const std::string path = dir.Write("a.txt", "old");
    {
        AtomicFile file(GetParam().options);
        ASSERT_FALSE(file.Open(path));
        ASSERT_FALSE(file.Append("new", 3));
        EXPECT_EQ(ReadFile(path), "old");
        EXPECT_EQ(NamesIn(dir.Path()).size(), 2u);  // the temporary file beside it
    }
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"a.txt"});
}

// Save and Generate alike: what is not a plain file stays as it is.
TEST_P(AtomicFileTest, WhatIsNoPlainFileIsRefused) {
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0644), 0);
    dir.MakeDir("folder");
    ASSERT_EQ(::symlink(dir.File("none/x").c_str(), dir.File("nowhere").c_str()), 0);
    ASSERT_EQ(::symlink(dir.File("circle").c_str(), dir.File("circle").c_str()), 0);
    ASSERT_EQ(::symlink("/dev/null", dir.File("null").c_str()), 0);
    const std::vector<std::string> names = NamesIn(dir.Path());
    struct Case {
        std::string path;
        std::string reason;
    };
    for (const Case& c : {Case{dir.File("fifo"), "it is a FIFO, not a plain file"},
                          Case{dir.File("folder"), "it is a directory, not a plain file"},
                          Case{dir.File("nowhere"), "it is a link that leads nowhere"},
                          Case{dir.File("circle"), "it is a link that leads in a circle"},
                          Case{dir.File("null"), "it is a device, not a plain file"},
                          Case{"/dev/null", "it is a device, not a plain file"}}) {
        EXPECT_EQ(WriteWhole(GetParam().options, c.path, "new"), c.reason) << c.path;
    }
    EXPECT_EQ(NamesIn(dir.Path()), names);
    EXPECT_TRUE(fs::is_fifo(dir.File("fifo")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

INSTANTIATE_TEST_SUITE_P(Options, AtomicFileTest,
                         ::testing::Values(OptionCase{"FreshFile", kFreshFile, 0644, true},
                                           OptionCase{"ReplaceInPlace", kReplaceInPlace, 0640, false}),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace lumafold::test
