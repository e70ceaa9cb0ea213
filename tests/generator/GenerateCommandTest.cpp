// The Generate command on a project context: dialog, recording, status line,
// completion, and failures that leave the disk as it was.
#include "GenerateCommand.h"
#include "GeneratorFixture.h"

#include <cstdio>

namespace lumafold::test {
namespace {

class GenerateCommandTest : public GeneratorTest {
protected:
    void Run() { GenerateCommand(ctx, [this] { return ms += 30; }).Run(); }
    int64_t ms = 0;
};

TEST_F(GenerateCommandTest, CompletedRunRecordsAndReports) {
    AddFile("index.htm", "<html>\r\n");
    AddFile("ok.txt", "OK\n");
    const std::string out = dir.File("site.AWL");
    prompter.AnswerFileDialog(FileChoice{out, "site.AWL"}).AnswerMessage(Answer::OK);
    Run();
    const FileDialog& d = prompter.Log().at(0).dialog;
    EXPECT_EQ(d.DialogTitle, "Save AWL source file");
    EXPECT_EQ(d.Filter, "All Files (*.*)|*.*|AWL Source (*.AWL)|*.AWL");
    EXPECT_EQ(d.FilterIndex, 2);
    EXPECT_EQ(d.DefaultExt, ".AWL");
    EXPECT_EQ(d.Flags, 2138118u);
    EXPECT_EQ(d.InitDir, "/opt/lumafold/");
    EXPECT_EQ(d.FileName, "");
    EXPECT_EQ(ctx.project.AWLSource(), out);
    EXPECT_EQ(ctx.project.AWLTimeStamp, "11/14/23 22:13:20");
    EXPECT_FALSE(ctx.project.modified);
    EXPECT_EQ(ctx.el.Caption, "ZALT - Lumafold V2.2 (" + out + ")");
    EXPECT_EQ(ctx.el.Label2, "Source generated");
    EXPECT_EQ(hooks.refreshes, 1);
    const Message m = prompter.Messages().at(0);
    EXPECT_EQ(m.text, "Source for DB900 to DB902 and UDT900 generated");
    EXPECT_EQ(m.title, "Info");
    EXPECT_EQ(m.icon, Icon::Information);
    std::string text = Shown(ReadFile(out));
    const std::string stamp = "// 11/14/23 22:13:20\r\n";
    ASSERT_NE(text.find(stamp), std::string::npos);
    ExpectGolden(text.replace(text.find(stamp), stamp.size(), "// 05.03.2002 14:07:31\r\n"), "worked_example.awl");
}

TEST_F(GenerateCommandTest, FailuresLeaveTheOldFileAndNoPartialFile) {
    AddFile("a.htm", "aaaa");
    AddEntry("gone.htm", dir.Path());
    const std::string out = dir.Write("old.AWL", "old text");
    dir.Write("gone.htm", "x");
    // gone.htm vanishes between planning and writing: the dialog is the moment.
    prompter.AnswerFileDialog(FileChoice{out, "old.AWL"}).AnswerMessage(Answer::OK);
    hooks.during = [&] { std::remove(dir.File("gone.htm").c_str()); };
    Run();
    const Message m = prompter.Messages().back();
    EXPECT_EQ(m.text, "File \"" + dir.File("gone.htm") + "\" can't be read: it doesn't exist \r\nNo source generated");
    EXPECT_EQ(ReadFile(out), "old text");
    EXPECT_EQ(ctx.el.Caption, "");
    EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{"a.htm", "old.AWL"}));
}

TEST_F(GenerateCommandTest, OutputThatCannotBeCreatedIsReported) {
    AddFile("a.htm", "aaaa");
    const std::string out = dir.File("missing/x.AWL");
    prompter.AnswerFileDialog(FileChoice{out, "x.AWL"}).AnswerMessage(Answer::OK);
    Run();
    EXPECT_EQ(prompter.Messages().back().text,
              "AWL source \"" + out + "\" can't be written: No such file or directory \r\nNo source generated");
    EXPECT_EQ(hooks.refreshes, 0);
}

} // namespace
} // namespace lumafold::test
