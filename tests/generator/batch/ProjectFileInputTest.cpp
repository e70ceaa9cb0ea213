// lumafold-gen on damaged, huge and hand-edited project files and on odd
// files named in them: every case ends with an exit code and a message that
// says what was wrong, the project directory as it was (but for the output
// when one is written) and no temporary file.
#include "BatchRun.h"
#include "FixedClock.h"
#include "FixedLocale.h"
#include "TempDir.h"
#include "TreeSnapshot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace lumafold::test {
namespace {

using namespace lumafold::batch;
namespace fs = std::filesystem;

constexpr size_t kSixteenMB = 16 * 1024 * 1024;

// n lines FILE_1=a.htm ... FILE_n=a.htm, cut to at most size bytes.
std::string ManyEntries(size_t size) {
    std::string text = "[SETTINGS]\r\nIndexDB=1\r\n\r\n[FILES]\r\n";
    for (int i = 1; text.size() < size - 32; ++i) text += "FILE_" + std::to_string(i) + "=a.htm\r\n";
    return text;
}

struct InputCase {
    const char* what;
    // Writes the project (and what it names) and returns the project's path.
    std::function<std::string(const TempDir&)> arrange;
    int code;
    std::vector<std::string> said;  // parts of stderr, each
    std::string blocks;             // the completion text's last block, when the source is written
    size_t maxSaid = 4096;          // stderr stays short whatever the input
};

std::string Files(const TempDir& d, const std::string& lines, const std::string& settings = "IndexDB=900\r\n") {
    d.Write("a.htm", "aaaa");
    d.Write("b.htm", "bb");
    return d.Write("site.F2D", "[SETTINGS]\r\n" + settings + "\r\n[FILES]\r\n" + lines + "\r\n");
}

class ProjectFileInput : public ::testing::TestWithParam<InputCase> {};

TEST_P(ProjectFileInput, EndsWithAMessageAndChangesNothingElse) {
    UseUtcAndCLocale();
    const InputCase& c = GetParam();
    TempDir dir;
    const std::string project = c.arrange(dir);
    const TreeSnapshot before = SnapshotOf(dir.Path());

    FixedClock clock;
    std::ostringstream out, err;
    const int code = RunBatch(BatchOptions{project, dir.File("out.AWL"), false, false}, clock, out, err);

    EXPECT_EQ(code, c.code) << err.str().substr(0, 2000);
    for (const std::string& part : c.said) EXPECT_NE(err.str().find(part), std::string::npos) << part << "\n" << err.str().substr(0, 2000);
    EXPECT_LE(err.str().size(), c.maxSaid);
    const TreeSnapshot after = SnapshotOf(dir.Path());
    EXPECT_EQ(Without(after, "out.AWL"), before);
    if (c.blocks.empty()) {
        EXPECT_FALSE(after.count("out.AWL"));
    } else {
        EXPECT_EQ(out.str(), "Source for DB900 to " + c.blocks + " and UDT900 generated\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ProjectFileInput,
    ::testing::Values(
        InputCase{"sixteen_MB_of_entries", [](auto& d) {
                      d.Write("a.htm", "aaaa");
                      return d.Write("site.F2D", ManyEntries(kSixteenMB));
                  },
                  kExitNotGenerated,
                  {"line 1027: the project lists 1022 files already, as many as DB numbers up to 1023 can hold; "
                   "this FILE_ line and the ",
                   "File \"a.htm\" does exist"},
                  "", 200000},
        InputCase{"one_line_of_15_MB",
                  [](auto& d) { return Files(d, "FILE_1=a.htm\r\nFILE_2=" + std::string(15 * 1024 * 1024, 'x')); },
                  kExitNotGenerated, {"line 6: a line of 15728647 bytes is longer than a project file's lines"}, ""},
        InputCase{"a_long_bad_IndexDB", [](auto& d) { return Files(d, "FILE_1=a.htm", "IndexDB=" + std::string(5000, '7') + "\r\n"); },
                  kExitNotGenerated, {"line 2: IndexDB \"777777777777", "...\" is not a number from 1 to 1023"}, ""},
        InputCase{"a_blank_before_a_key", [](auto& d) { return Files(d, "FILE_1=a.htm\r\n  FILE_2=b.htm"); },
                  kExitGenerated,
                  {"lumafold-gen: warning: File \"", "line 6: \"  FILE_2=b.htm\" is not read: a key must begin its line, in its own letter case"},
                  "DB901"},
        InputCase{"a_key_in_lower_case", [](auto& d) { return Files(d, "file_1=a.htm\r\nFILE_2=b.htm"); },
                  kExitGenerated, {"line 5: \"file_1=a.htm\" is not read: a key must begin its line"}, "DB901"},
        InputCase{"typos_in_keys", [](auto& d) { return Files(d, "FILE 1=a.htm\r\nFLIE_2=b.htm\r\nFILE_3=b.htm"); },
                  kExitGenerated,
                  {"line 5: \"FILE 1=a.htm\" is no key of a project file and is not read",
                   "line 6: \"FLIE_2=b.htm\" is no key of a project file and is not read"},
                  "DB901"},
        InputCase{"a_repeated_IndexDB", [](auto& d) { return Files(d, "FILE_1=a.htm", "IndexDB=500\r\nIndexDB=900\r\n"); },
                  kExitGenerated, {"line 3: IndexDB= again (also on line 2); the value of line 3 counts"}, "DB901"},
        InputCase{"a_repeated_FILE_key", [](auto& d) { return Files(d, "FILE_1=a.htm\r\nFILE_1=b.htm"); },
                  kExitGenerated, {"line 6: FILE_1 again (also on line 5); both are read, in the order of the file"},
                  "DB902"},
        InputCase{"names_where_one_begins_the_other",
                  [](auto& d) {
                      d.Write("index.html", "long");
                      d.Write("index.htm", "short");
                      return Files(d, "FILE_1=" + d.File("index.html") + "\r\nFILE_2=" + d.File("index.htm"));
                  },
                  kExitGenerated, {}, "DB902"},
        InputCase{"the_same_name_in_another_letter_case",
                  [](auto& d) {
                      d.MakeDir("up");
                      d.Write("up/A.HTM", "upper");
                      return Files(d, "FILE_1=a.htm\r\nFILE_2=" + d.File("up/A.HTM"));
                  },
                  kExitNotGenerated, {"lumafold-gen: error: File \"A.HTM\" does exist "}, ""},
        InputCase{"a_FIFO_a_directory_and_a_link_in_a_circle",
                  [](auto& d) {
                      ::mkfifo(d.File("pipe.htm").c_str(), 0644);
                      d.MakeDir("dir.htm");
                      fs::create_symlink(d.File("loop.htm"), d.File("loop.htm"));
                      return Files(d, "FILE_1=" + d.File("pipe.htm") + "\r\nFILE_2=" + d.File("dir.htm") +
                                          "\r\nFILE_3=" + d.File("loop.htm"));
                  },
                  kExitNotGenerated,
                  {"/pipe.htm\" is a FIFO, not a plain file ... ", "/dir.htm\" is a directory, not a plain file ... ",
                   "/loop.htm\" is a link that leads in a circle ... "},
                  ""},
        InputCase{"a_name_that_contains_varlist",
                  [](auto& d) {
                      d.Write("myvarlist.htm", "real bytes");
                      return Files(d, "FILE_1=a.htm\r\nFILE_2=myvarlist.htm");
                  },
                  kExitGenerated,
                  {"lumafold-gen: note: myvarlist.htm is packed as a VarList site, 1024 zero bytes, because its name contains \"varlist\""},
                  "DB902"},
        InputCase{"a_project_file_that_is_a_FIFO",
                  [](auto& d) {
                      ::mkfifo(d.File("site.F2D").c_str(), 0644);
                      return d.File("site.F2D");
                  },
                  kExitNotGenerated, {"lumafold-gen: error: project file ", "/site.F2D is a FIFO"}, ""},
        InputCase{"a_project_file_that_is_a_directory", [](auto& d) { return d.MakeDir("site.F2D"); },
                  kExitNotGenerated, {"/site.F2D is a directory"}, ""},
        InputCase{"a_project_file_that_is_a_device", [](auto&) { return std::string("/dev/zero"); },
                  kExitNotGenerated, {"project file /dev/zero is a device"}, ""},
        InputCase{"a_project_path_with_a_name_too_long",
                  [](auto& d) { return d.File(std::string(300, 'p') + "/site.F2D"); }, kExitNotGenerated,
                  {"can't be looked at: File name too long"}, ""}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace lumafold::test
