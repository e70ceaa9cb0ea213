// The drive list of a system without drive letters: the mounted roots read
// from a mount table, and the fall back to the last valid drive.
#include "Drives.h"

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "UnprivilegedScope.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <sys/stat.h>

namespace lumafold::test {
namespace {

TEST(MountedRoots, RealFileSystemsOnlyRootFirstTheRestSorted) {
    TempDir dir;
    const std::string table = dir.Write("mounts",
                                        "/dev/sda1 / ext4 rw 0 0\n"
                                        "proc /proc proc rw 0 0\n"
                                        "sysfs /sys sysfs rw 0 0\n"
                                        "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
                                        "tmpfs /dev/shm tmpfs rw 0 0\n"
                                        "server:/share /mnt/net nfs rw 0 0\n"
                                        "/dev/sdb1 /media/usb\\040stick vfat rw 0 0\n"
                                        "broken line\n"
                                        "/dev/sdc1 /data ext4 rw 0 0\n"
                                        "/dev/sdc1 /data ext4 rw 0 0\n");
    EXPECT_EQ(MountedRoots(table), (std::vector<std::string>{"/", "/data", "/media/usb stick", "/mnt/net"}));
}

TEST(MountedRoots, UnreadableTableLeavesTheRootAlone) {
    EXPECT_EQ(MountedRoots("/nonexistent/mounts"), std::vector<std::string>{"/"});
}

TEST(MountedRoots, TableWithoutTheRootStillStartsWithIt) {
    TempDir dir;
    EXPECT_EQ(MountedRoots(dir.Write("mounts", "/dev/sdb1 /home ext4 rw 0 0\n")),
              (std::vector<std::string>{"/", "/home"}));
}

// A drive chosen in the list, with what can be read and the drive the list
// had when it got the focus.
struct ChoiceCase {
    const char* label;
    std::set<std::string> readable;
    const char* focused;  // nullptr: the list never got the focus
    const char* chosen;
    const char* endsOn;
    std::vector<std::string> messages;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.label; }

class DriveChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(DriveChoiceTest, ListEndsOnAReadableDriveOrSaysWhy) {
    const ChoiceCase& c = GetParam();
    ScriptedPrompter prompter;
    for (size_t i = 0; i < c.messages.size(); ++i) prompter.AnswerMessage(Answer::OK);
    DriveChooser drives(prompter, [&](const std::string& d) { return c.readable.count(d) > 0; });
    if (c.focused) drives.GotFocus(c.focused);
    EXPECT_EQ(drives.Choose(c.chosen), c.endsOn);
    std::vector<std::string> shown;
    for (const Message& m : prompter.Messages()) {
        shown.push_back(m.text);
        EXPECT_EQ(m.title, "Drive invalid");
        EXPECT_EQ(m.icon, Icon::Error);
        EXPECT_EQ(m.buttons, Buttons::OK);
    }
    EXPECT_EQ(shown, c.messages);
}

const ChoiceCase kChoices[] = {
    {"Readable", {"/", "/mnt/usb"}, "/", "/mnt/usb", "/mnt/usb", {}},
    {"NotReadyFallsBack", {"/"}, "/", "/mnt/cd", "/", {"/mnt/cd isn't ready!"}},
    {"FallbackNotReadyEither", {}, "/mnt/usb", "/mnt/cd", "/mnt/usb",
     {"/mnt/cd isn't ready!", "/mnt/usb isn't ready!"}},
    {"SameDriveNotReady", {}, "/mnt/cd", "/mnt/cd", "/mnt/cd", {"/mnt/cd isn't ready!"}},
    {"NeverFocused", {}, nullptr, "/mnt/cd", "/mnt/cd", {"/mnt/cd isn't ready!"}},
};

INSTANTIATE_TEST_SUITE_P(Choose, DriveChoiceTest, ::testing::ValuesIn(kChoices),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(DriveChooser, ReadableChoiceBecomesTheLastValidDrive) {
    ScriptedPrompter prompter;
    prompter.AnswerMessage(Answer::OK);
    const std::set<std::string> readable = {"/", "/mnt/usb"};
    DriveChooser drives(prompter, [&](const std::string& d) { return readable.count(d) > 0; });
    drives.GotFocus("/");
    drives.Choose("/mnt/usb");
    EXPECT_EQ(drives.LastValid(), "/mnt/usb");
    // A drive without a medium now falls back on the stick, not on "/".
    EXPECT_EQ(drives.Choose("/mnt/cd"), "/mnt/usb");
}

TEST(CheckDirectory, ReadableDirectoryPassesSilently) {
    ScriptedPrompter prompter;
    TempDir dir;
    EXPECT_TRUE(CheckDirectory(prompter, dir.Path()));
    EXPECT_TRUE(DirectoryReadable(dir.Path()));
}

TEST(CheckDirectory, UnreadableOrMissingDirectoryIsReported) {
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0755);
    const std::string locked = dir.MakeDir("locked");
    ::chmod(locked.c_str(), 0);
    const std::string missing = dir.File("missing");
    ScriptedPrompter prompter;
    prompter.AnswerMessage(Answer::OK).AnswerMessage(Answer::OK);
    {
        UnprivilegedScope nobody;
        EXPECT_FALSE(DirectoryReadable(locked));
        EXPECT_FALSE(CheckDirectory(prompter, locked));
    }
    EXPECT_FALSE(CheckDirectory(prompter, missing));
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Directory \"" + locked + "\" can't be read: Permission denied ");
    EXPECT_EQ(messages[1].text, "Directory \"" + missing + "\" can't be read: No such file or directory ");
    EXPECT_EQ(messages[0].title, "Directory invalid");
}

} // namespace
} // namespace lumafold::test
