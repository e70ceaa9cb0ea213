// While Generate writes, the window's pending events are processed often
// enough to keep the screen live, never so often that they slow the writer,
// and no other command acts meanwhile.
#include "GenerateCommand.h"
#include "GeneratorFixture.h"
#include "Workbench.h"

#include <functional>

namespace lumafold::test {
namespace {

class GenerateEventsTest : public GeneratorTest {
protected:
    GenerateEventsTest() {
        hooks.during = [this] { seen.push_back({ms, ctx.el.Label2, ctx.el.ProgressBar1Value}); };
    }
    // Runs Generate on a clock that moves step milliseconds on every reading.
    void RunWithClock(int64_t step) {
        prompter.AnswerFileDialog(FileChoice{dir.File("out.AWL"), "out.AWL"}).AnswerMessage(Answer::OK);
        GenerateCommand(ctx, [this, step] { return ms += step; }).Run();
        ASSERT_EQ(ctx.el.Label2, "Source generated");
    }
    struct Seen {
        int64_t ms;
        std::string label;
        int32_t value;
    };
    int64_t ms = 1000;
    std::vector<Seen> seen;
};

TEST_F(GenerateEventsTest, AtMostOncePerInterval) {
    dir.WriteSized("a.gif", 32767);
    AddEntry("a.gif", dir.Path());
    dir.WriteSized("b.gif", 20000);
    AddEntry("b.gif", dir.Path());
    RunWithClock(10);
    ASSERT_GE(seen.size(), 3u);
    for (size_t i = 1; i < seen.size(); ++i)
        EXPECT_GE(seen[i].ms - seen[i - 1].ms, GenerateCommand::kEventInterval) << "event " << i;
    // The screen follows the writer inside a block, not only between blocks.
    bool insideBlock = false;
    for (const Seen& s : seen) insideBlock |= s.label == dir.File("a.gif") && s.value > 0;
    EXPECT_TRUE(insideBlock);
}

// A window that may repaint before every line sees every value of the bar,
// each the bytes before the line being written, from the first line of a
// small block to the last line of the largest.
TEST_F(GenerateEventsTest, WhenTheWindowIsDueAtEveryLineItSeesEveryLine) {
    dir.WriteSized("small.gif", 9);
    AddEntry("small.gif", dir.Path());
    dir.WriteSized("large.gif", 32767);
    AddEntry("large.gif", dir.Path());
    RunWithClock(GenerateCommand::kEventInterval);
    std::vector<int32_t> small, large;
    for (const Seen& s : seen) {
        if (s.label == dir.File("small.gif")) small.push_back(s.value);
        if (s.label == dir.File("large.gif")) large.push_back(s.value);
    }
    EXPECT_EQ(small, (std::vector<int32_t>{0, 0, 4}));  // the block's start, DW lines 1 and 2
    std::vector<int32_t> every = {0};
    for (int32_t bytes = 0; bytes <= 32760; bytes += 4) every.push_back(bytes);
    EXPECT_EQ(large, every);
}

// A writer slowed down to five lines a millisecond (a stalled disk) is looked
// at more often, so that the window is let repaint when it is due, not some
// hundred lines later.
TEST_F(GenerateEventsTest, ASlowWriterIsLookedAtWhenTheWindowIsDue) {
    dir.WriteSized("a.gif", 32767);
    AddEntry("a.gif", dir.Path());
    prompter.AnswerFileDialog(FileChoice{dir.File("out.AWL"), "out.AWL"}).AnswerMessage(Answer::OK);
    // The bar holds the bytes before the line about to be written.
    GenerateCommand(ctx, [this] { return ms = 1000 + ctx.el.ProgressBar1Value / 4 / 5; }).Run();
    ASSERT_EQ(ctx.el.Label2, "Source generated");
    ASSERT_GE(seen.size(), 40u);
    // After the first look at the pace, every event comes on time.
    for (size_t i = 3; i < seen.size(); ++i) {
        const int64_t gap = seen[i].ms - seen[i - 1].ms;
        EXPECT_GE(gap, GenerateCommand::kEventInterval) << "event " << i;
        EXPECT_LE(gap, GenerateCommand::kEventInterval + 1) << "event " << i;
    }
}

TEST_F(GenerateEventsTest, NoEventsWhileNoTimePasses) {
    dir.WriteSized("a.gif", 32767);
    AddEntry("a.gif", dir.Path());
    RunWithClock(0);
    // Only the one before writing starts, which clears the status line.
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].label, "");
}

TEST_F(GenerateEventsTest, EveryBlockOfALongRunIsShown) {
    const std::vector<std::string> names = {"a.gif", "b.gif", "c.gif", "d.htm"};
    for (const std::string& name : names) {
        dir.WriteSized(name, 9000);
        AddEntry(name, dir.Path());
    }
    RunWithClock(GenerateCommand::kEventInterval);
    for (const std::string& name : names) {
        bool shown = false;
        for (const Seen& s : seen) shown |= s.label == dir.File(name);
        EXPECT_TRUE(shown) << name;
    }
}

// Commands the window may deliver while Generate runs; each would change the
// project or ask something if it acted.
struct OtherCommand {
    const char* label;
    std::function<void(Workbench&)> click;
};

class BusyGuardTest : public GeneratorTest, public ::testing::WithParamInterface<OtherCommand> {};

TEST_P(BusyGuardTest, OtherCommandsDoNothingWhileGenerateRuns) {
    Workbench wb(prompter, clock, hooks, "/opt/lumafold/");
    wb.Form_Load();
    dir.Write("a.htm", "aaaa");
    dir.Write("b.htm", "bbbbb");
    wb.Prj().files.Add(FileEntry{"a.htm", dir.Path(), false});
    wb.Prj().files.Add(FileEntry{"b.htm", dir.Path(), false});
    wb.SetListSelection({1});
    wb.El().cmdRemove = true;
    const std::string out = dir.File("site.AWL");
    prompter.AnswerFileDialog(FileChoice{out, "site.AWL"}).AnswerMessage(Answer::OK);
    bool busy = false;
    hooks.during = [&] {
        if (busy) return;
        busy = wb.Busy();
        GetParam().click(wb);
    };
    wb.cmdGenerate_Click();
    EXPECT_TRUE(busy);
    EXPECT_FALSE(wb.Busy());
    ASSERT_EQ(wb.Prj().files.Count(), 2);
    EXPECT_EQ(wb.Prj().files.At(1).name, "a.htm");
    EXPECT_FALSE(wb.El().chkVarList);
    EXPECT_EQ(wb.Prj().AWLSource(), out);
    EXPECT_EQ(prompter.Log().size(), 2u);  // the Save dialog and "Info" only
    EXPECT_EQ(prompter.Messages().back().title, "Info");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, BusyGuardTest,
    ::testing::Values(OtherCommand{"Generate", [](Workbench& wb) { wb.cmdGenerate_Click(); }},
                      OtherCommand{"Remove", [](Workbench& wb) { wb.cmdRemove_Click(); }},
                      OtherCommand{"VarList", [](Workbench& wb) { wb.chkVarList_Click(true); }},
                      OtherCommand{"New", [](Workbench& wb) { wb.mnuNew_Click(); }},
                      OtherCommand{"Save", [](Workbench& wb) { wb.mnuSave_Click(); }},
                      OtherCommand{"Open", [](Workbench& wb) { wb.mnuOpen_Click(); }},
                      OtherCommand{"About", [](Workbench& wb) { wb.mnuAbout_Click(); }}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace lumafold::test
