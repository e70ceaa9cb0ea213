// lumafold-gen: its command line, and runs on real project files compared
// with what the window's Generate command writes.
#include "BatchOptions.h"
#include "FixedLocale.h"
#include "BatchRun.h"
#include "FixedClock.h"
#include "SameBytes.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "Workbench.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace lumafold::test {
namespace {

using namespace lumafold::batch;

const std::string kExamples = LUMAFOLD_EXAMPLES_DIR;

TEST(BatchOptions, ReadsTheCommandLine) {
    struct Case {
        std::vector<std::string> args;
        std::optional<BatchOptions> options;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {{"p.F2D"}, BatchOptions{"p.F2D", "", false, false}, ""},
        {{"p.F2D", "-o", "o.AWL", "--skip-invalid"}, BatchOptions{"p.F2D", "o.AWL", true, false}, ""},
        {{"--output", "o.AWL", "p.F2D"}, BatchOptions{"p.F2D", "o.AWL", false, false}, ""},
        {{"--help"}, BatchOptions{"", "", false, true}, ""},
        {{}, std::nullopt, "no project file given"},
        {{"p.F2D", "-o"}, std::nullopt, "option -o needs a file name"},
        {{"p.F2D", "--force"}, std::nullopt, "unknown option --force"},
        {{"a.F2D", "b.F2D"}, std::nullopt, "more than one project file: a.F2D, b.F2D"},
        {{"p.F2D", "-o", "a.AWL", "--output", "b.AWL"}, std::nullopt, "more than one output: a.AWL, b.AWL"},
        {{"p.F2D", "-o", "-"}, std::nullopt, "the source is written to a file only, not to standard output (-)"},
    };
    for (const Case& c : cases) {
        std::string problem;
        const auto o = ParseArguments(c.args, problem);
        ASSERT_EQ(o.has_value(), c.options.has_value()) << problem;
        EXPECT_EQ(problem, c.problem);
        if (!o) continue;
        EXPECT_EQ(o->project, c.options->project);
        EXPECT_EQ(o->output, c.options->output);
        EXPECT_EQ(o->skipInvalid, c.options->skipInvalid);
        EXPECT_EQ(o->help, c.options->help);
    }
}

class Batch : public ::testing::Test {
protected:
    Batch() {
        ::lumafold::test::UseUtcAndCLocale();
    }
    int Run(const std::string& project, const std::string& output = "", bool skipInvalid = false) {
        out.str("");
        err.str("");
        return RunBatch(BatchOptions{project, output, skipInvalid, false}, clock, out, err);
    }
    // A project file in the temporary directory listing the given lines.
    std::string Project(const std::string& files, const std::string& settings = "IndexDB=900\r\n") {
        return dir.Write("site.F2D", "[SETTINGS]\r\n" + settings + "\r\n[FILES]\r\n" + files + "\r\n");
    }

    FixedClock clock;
    TempDir dir;
    std::ostringstream out, err;
};

TEST_F(Batch, WritesWhatTheGenerateCommandWritesForTheExample) {
    const std::string project = kExamples + "/site.F2D";
    const std::string before = ReadFile(project);

    ScriptedPrompter prompter;
    WindowHooks hooks;
    Workbench wb(prompter, clock, hooks, "/opt/lumafold/");
    wb.Form_Load();
    prompter.AnswerFileDialog(FileChoice{dir.File("window.AWL"), "window.AWL"}).AnswerMessage(Answer::OK);
    wb.LoadProject("site.F2D", kExamples + "/");
    ASSERT_EQ(wb.Prj().files.Count(), 12);
    wb.cmdGenerate_Click();

    ASSERT_EQ(Run(project, dir.File("batch.AWL")), kExitGenerated) << err.str();
    EXPECT_TRUE(SameBytes(ReadFile(dir.File("window.AWL")), ReadFile(dir.File("batch.AWL"))));
    EXPECT_EQ(out.str(), prompter.Messages().back().text + "\n");
    EXPECT_EQ(out.str(), "Source for DB900 to DB912 and UDT900 generated\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(ReadFile(project), before);
}

TEST_F(Batch, AQuestionableFileIsAnErrorUnlessSkipped) {
    dir.Write("a.htm", "a");
    dir.Write("empty.htm", "");
    dir.WriteSized("big.gif", 40000);
    const std::string project = Project("FILE_1=" + dir.File("a.htm") + "\r\nFILE_2=" + dir.File("empty.htm") + "\r\nFILE_3=" +
                                        dir.File("gone.htm") + "\r\nFILE_4=" + dir.File("big.gif") + "\r\nFILE_5=" +
                                        dir.File("a.htm"));
    const std::string before = ReadFile(project);
    EXPECT_EQ(Run(project, dir.File("out.AWL")), kExitNotGenerated);
    EXPECT_FALSE(FileExists(dir.File("out.AWL")));
    const std::string e = err.str();
    EXPECT_NE(e.find("lumafold-gen: error: File \"" + dir.File("gone.htm") + "\" doesn't exist ... \n"),
              std::string::npos)
        << e;
    EXPECT_EQ(out.str(), "");

    ASSERT_EQ(Run(project, dir.File("out.AWL"), true), kExitGenerated) << err.str();
    EXPECT_NE(err.str().find("lumafold-gen: warning: File \"" + dir.File("gone.htm") + "\" doesn't exist ... (left out)"),
              std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("lumafold-gen: warning: File \"" + dir.File("big.gif") + "\" to long"), std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("empty.htm"), std::string::npos) << err.str();
    // a.htm is the only file left: one content block.
    EXPECT_EQ(out.str(), "Source for DB900 to DB901 and UDT900 generated\n");
    EXPECT_EQ(ReadFile(project), before);
}

TEST_F(Batch, TheOutputDefaultsToTheProjectsAWLSourceElseItsName) {
    dir.Write("a.htm", "a");
    dir.MakeDir("out");
    struct Case {
        std::string settings;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"AWLSource=" + dir.File("out/x.AWL") + "\r\n", dir.File("out/x.AWL")},
        {"", dir.File("site.AWL")},
        {"AWLSource=site\r\n", dir.File("site.AWL")},  // as a project saved before any Generate stores it
    };
    for (const Case& c : cases) {
        const std::string project = Project("FILE_1=" + dir.File("a.htm"), c.settings);
        ASSERT_EQ(Run(project), kExitGenerated) << err.str();
        EXPECT_TRUE(FileExists(c.expected)) << c.settings;
        std::remove(c.expected.c_str());
    }
}

TEST_F(Batch, RefusesWhatItCannotRun) {
    dir.Write("a.htm", "a");
    const std::string project = Project("FILE_1=" + dir.File("a.htm"), "IndexDB=1023\r\n");
    struct Case {
        std::string project;
        std::string output;
        int code;
        std::string error;
    };
    const std::vector<Case> cases = {
        {dir.File("none.F2D"), "", kExitNotGenerated, "project file " + dir.File("none.F2D") + " doesn't exist"},
        {project, project, kExitNotGenerated, "the output " + project + " is the project file itself"},
        {project, dir.File("o.AWL"), kExitNotGenerated, "Valid DB numbers: 1 to 1023! \n  (your last DB number is 1024)"},
        {dir.Write("logo.gif", "GIF89a"), "", kExitNotGenerated, "File \"" + dir.File("logo.gif") + "\" is not a project file "},
        {project, dir.File("missing/o.AWL"), kExitWriteFailed, "No such file or directory"},
    };
    const std::string before = ReadFile(project);
    for (const Case& c : cases) {
        if (c.code == kExitWriteFailed) dir.Write("site.F2D", "[SETTINGS]\r\n[FILES]\r\nFILE_1=" + dir.File("a.htm") + "\r\n");
        EXPECT_EQ(Run(c.project, c.output), c.code) << c.error;
        EXPECT_NE(err.str().find(c.error), std::string::npos) << err.str();
        EXPECT_EQ(out.str(), "");
    }
    dir.Write("site.F2D", before);
}

// A bare name in the project file is the project directory's file, wherever
// lumafold-gen was started; the current directory's file of that name is not read.
TEST_F(Batch, BareNamesAreReadFromTheProjectsDirectory) {
    TempDir elsewhere;
    elsewhere.Write("index.htm", "ELSEWHERE");
    dir.Write("index.htm", "PROJECT");
    const std::string project = Project("FILE_1=index.htm");
    const std::string cwd = std::filesystem::current_path().string();
    std::filesystem::current_path(elsewhere.Path());
    const int code = Run(project, dir.File("o.AWL"));
    std::filesystem::current_path(cwd);
    ASSERT_EQ(code, kExitGenerated) << err.str();
    const std::string awl = ReadFile(dir.File("o.AWL"));
    EXPECT_NE(awl.find("  // " + dir.File("index.htm") + "\r\n"), std::string::npos);
    EXPECT_NE(awl.find("DW#16#50524F4A; // PROJ"), std::string::npos) << awl;
    EXPECT_EQ(ReadFile(elsewhere.File("index.htm")), "ELSEWHERE");
}

TEST_F(Batch, ABadProjectLineIsAnErrorEvenWhenSkipping) {
    dir.Write("a.htm", "a");
    const std::string project = Project("FILE_1=" + dir.File("a.htm"), "IndexDB=-5\r\n");
    EXPECT_EQ(Run(project, dir.File("o.AWL"), true), kExitNotGenerated);
    EXPECT_NE(err.str().find("line 2: IndexDB \"-5\" is not a number from 1 to 1023"), std::string::npos) << err.str();
    EXPECT_FALSE(FileExists(dir.File("o.AWL")));
}

} // namespace
} // namespace lumafold::test
