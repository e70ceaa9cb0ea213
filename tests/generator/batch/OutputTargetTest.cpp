// lumafold-gen against odd output targets: it writes only a plain file or a
// new name, never over one of the project's own files, and follows a link to
// the file it names. Each case checks that nothing else changed and that no
// temporary file is left.
#include "BatchRun.h"
#include "FixedClock.h"
#include "FixedLocale.h"
#include "TempDir.h"
#include "TreeSnapshot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace lumafold::test {
namespace {

using namespace lumafold::batch;
namespace fs = std::filesystem;

void MakeSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof addr.sun_path);
    path.copy(addr.sun_path, path.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);
}

struct TargetCase {
    const char* what;
    // Makes what stands at the target; returns the -o argument ("" for the default).
    std::function<std::string(const TempDir&)> arrange;
    std::string settings;  // project file lines before [FILES]
    int code;
    std::string message;   // part of what stderr says
    std::string written;   // the file, relative to the directory, that holds the new source
    std::string project = "site.F2D";
};

std::string Link(const TempDir& d, const std::string& name, const std::string& to) {
    EXPECT_EQ(::symlink(to.c_str(), d.File(name).c_str()), 0) << name;
    return d.File(name);
}

class OutputTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(OutputTarget, WritesOnlyWhereItShould) {
    UseUtcAndCLocale();
    const TargetCase& c = GetParam();
    TempDir dir;
    dir.MakeDir("site");
    dir.Write("site/index.htm", "<html>index</html>");
    dir.WriteSized("site/logo.gif", 300);
    dir.Write(c.project, "[SETTINGS]\r\n" + c.settings + "\r\n[FILES]\r\nFILE_1=site/index.htm\r\nFILE_2=site/logo.gif\r\n\r\n");
    const std::string output = c.arrange(dir);
    const TreeSnapshot before = SnapshotOf(dir.Path());

    FixedClock clock;
    std::ostringstream out, err;
    const int code = RunBatch(BatchOptions{dir.File(c.project), output, false, false}, clock, out, err);

    EXPECT_EQ(code, c.code) << err.str();
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    const TreeSnapshot after = SnapshotOf(dir.Path());
    EXPECT_EQ(Without(after, c.written), Without(before, c.written));
    if (!c.written.empty()) {
        ASSERT_TRUE(after.count(c.written)) << c.written;
        EXPECT_TRUE(after.at(c.written).starts_with("file:// Generated with")) << c.written;
        EXPECT_EQ(out.str(), "Source for DB900 to DB902 and UDT900 generated\n");
    } else {
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

const std::string kLongName = std::string(246, 'n') + ".AWL";

INSTANTIATE_TEST_SUITE_P(
    Targets, OutputTarget,
    ::testing::Values(
        TargetCase{"an_input_named_with_o", [](auto& d) { return d.File("site/index.htm"); }, "", kExitWriteFailed,
                   "/site/index.htm\" of the project, which would be lost", ""},
        TargetCase{"a_link_to_an_input", [](auto& d) { return Link(d, "link.AWL", d.File("site/logo.gif")); }, "",
                   kExitWriteFailed, "it is the file \"", ""},
        TargetCase{"a_hard_link_to_an_input",
                   [](auto& d) {
                       EXPECT_EQ(::link(d.File("site/logo.gif").c_str(), d.File("hard.AWL").c_str()), 0);
                       return d.File("hard.AWL");
                   },
                   "", kExitWriteFailed, "/site/logo.gif\" of the project", ""},
        TargetCase{"an_input_named_by_AWLSource", [](auto&) { return std::string(); }, "AWLSource=site/index.htm\r\n",
                   kExitWriteFailed, "/site/index.htm\" of the project", ""},
        TargetCase{"the_project_file", [](auto& d) { return d.File("site.F2D"); }, "", kExitNotGenerated,
                   "is the project file itself", ""},
        TargetCase{"a_FIFO",
                   [](auto& d) {
                       EXPECT_EQ(::mkfifo(d.File("pipe.AWL").c_str(), 0644), 0);
                       return d.File("pipe.AWL");
                   },
                   "", kExitWriteFailed, "can't be written: it is a FIFO, not a plain file", ""},
        TargetCase{"a_socket",
                   [](auto& d) {
                       MakeSocket(d.File("sock.AWL"));
                       return d.File("sock.AWL");
                   },
                   "", kExitWriteFailed, "it is a socket, not a plain file", ""},
        TargetCase{"a_directory", [](auto& d) { return d.MakeDir("dir.AWL"); }, "", kExitWriteFailed,
                   "it is a directory, not a plain file", ""},
        TargetCase{"a_device", [](auto&) { return std::string("/dev/null"); }, "", kExitWriteFailed,
                   "\"/dev/null\" can't be written: it is a device, not a plain file", ""},
        TargetCase{"a_link_to_a_device", [](auto& d) { return Link(d, "null.AWL", "/dev/null"); }, "",
                   kExitWriteFailed, "it is a device, not a plain file", ""},
        TargetCase{"a_link_that_leads_nowhere", [](auto& d) { return Link(d, "gone.AWL", d.File("nothing/x.AWL")); },
                   "", kExitWriteFailed, "it is a link that leads nowhere", ""},
        TargetCase{"a_link_in_a_circle",
                   [](auto& d) {
                       Link(d, "b.AWL", d.File("a.AWL"));
                       return Link(d, "a.AWL", d.File("b.AWL"));
                   },
                   "", kExitWriteFailed, "it is a link that leads in a circle", ""},
        TargetCase{"a_link_to_an_older_source",
                   [](auto& d) {
                       d.MakeDir("sub");
                       d.Write("sub/old.AWL", "older source");
                       return Link(d, "out.AWL", d.File("sub/old.AWL"));
                   },
                   "", kExitGenerated, "", "sub/old.AWL"},
        TargetCase{"a_name_of_250_characters", [](auto& d) { return d.File(kLongName); }, "", kExitGenerated, "",
                   kLongName},
        TargetCase{"an_AWLSource_that_names_a_directory",
                   [](auto& d) {
                       d.MakeDir("out");
                       return std::string();
                   },
                   "AWLSource=out/\r\n", kExitGenerated, "names no file; the project's name is taken", "site.AWL"},
        TargetCase{"a_project_name_without_extension", [](auto&) { return std::string(); }, "", kExitGenerated, "",
                   "abcd.AWL", "abcd"}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace lumafold::test
