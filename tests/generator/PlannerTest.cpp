// Planning: the range check, the questions about entries, the numbering.
#include "GeneratorFixture.h"
#include "Planner.h"

namespace lumafold::test {
namespace {

class PlannerTest : public GeneratorTest {
protected:
    std::optional<BlockPlan> Plan() { return PlanWithPrompts(ctx.project.IndexDB, ctx.project.files, prompter); }
};

struct RangeCase {
    int indexDB;
    int entries;
    bool refused;
};

class RangeTest : public PlannerTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeTest, LastDBNumberOfEveryEntryIsChecked) {
    const RangeCase c = GetParam();
    ctx.project.IndexDB = static_cast<int16_t>(c.indexDB);
    AddFile("empty.htm", "");  // counted although the size check would leave it out
    for (int i = 1; i < c.entries; ++i) AddFile("f" + std::to_string(i) + ".htm", "x");
    prompter.AnswerMessage(c.refused ? Answer::OK : Answer::Yes);  // the error, or the empty file's question
    const auto plan = Plan();
    const Message m = prompter.Messages().back();
    if (c.refused) {
        EXPECT_FALSE(plan);
        EXPECT_EQ(m.text, "Valid DB numbers: 1 to 1023! \r\n(your last DB number is " + std::to_string(c.indexDB + c.entries) +
                              ")\r\n-> try it again with a lower IndexDB number");
        EXPECT_EQ(m.title, "DB number overflow");
        EXPECT_EQ(m.icon, Icon::Error);
        EXPECT_EQ(prompter.Messages().size(), 1u);
    } else {
        ASSERT_TRUE(plan);
        EXPECT_EQ(plan->LastDB(), c.indexDB + c.entries - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Range, RangeTest,
                         ::testing::Values(RangeCase{1000, 23, false}, RangeCase{1000, 24, true},
                                           RangeCase{1020, 4, true}, RangeCase{1, 1022, false}));

TEST_F(PlannerTest, IndexDBBelowOneIsRefused) {
    for (int16_t low : {int16_t{0}, int16_t{-5}}) {
        ctx.project.IndexDB = low;
        prompter.AnswerMessage(Answer::OK);
        EXPECT_FALSE(Plan());
        EXPECT_EQ(prompter.Messages().back().text, "Valid DB numbers: 1 to 1023! \r\n(your IndexDB number is " +
                                                        std::to_string(low) + ")\r\n-> try it again with a higher IndexDB number");
    }
}

TEST_F(PlannerTest, EmptyListGetsTheNotice) {
    prompter.AnswerMessage(Answer::OK);
    EXPECT_FALSE(Plan());
    const Message m = prompter.Messages().at(0);
    EXPECT_EQ(m.text, "No valid source files!");
    EXPECT_EQ(m.title, "Can't generate");
    EXPECT_EQ(m.icon, Icon::Information);
}

TEST_F(PlannerTest, QuestionsAndTheirTexts) {
    dir.WriteSized("big.gif", 40000);
    AddEntry("big.gif", dir.Path());
    AddFile("empty.htm", "");
    AddEntry("gone.htm", dir.Path());
    AddFile(std::string(37, 'n') + ".htm", "x");  // 41 characters
    prompter.AnswerMessage(Answer::Yes).AnswerMessage(Answer::Yes).AnswerMessage(Answer::Yes).AnswerMessage(Answer::Yes);
    prompter.AnswerMessage(Answer::OK);
    EXPECT_FALSE(Plan());
    const auto m = prompter.Messages();
    const std::string p = dir.Path() + "/";
    EXPECT_EQ(m.at(0).text, "File \"" + p + "big.gif\" to long ... \r\n(max. 32767 bytes)\r\nGenerate source without " + p + "big.gif?");
    EXPECT_EQ(m.at(1).text, "File \"" + p + "empty.htm\" length is 0 \r\nGenerate source without " + p + "empty.htm?");
    EXPECT_EQ(m.at(2).text, "File \"" + p + "gone.htm\" can't be read: it doesn't exist \r\nGenerate source without " + p + "gone.htm?");
    EXPECT_EQ(m.at(3).text.substr(0, m.at(3).text.find(" has")), "File \"" + p + std::string(37, 'n') + ".htm\"");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m.at(i).buttons, Buttons::YesNo);
        EXPECT_EQ(m.at(i).icon, Icon::Question);
        EXPECT_EQ(m.at(i).title, "Can't generate");
    }
    EXPECT_EQ(m.at(4).text, "No valid source files!");
}

TEST_F(PlannerTest, LeftOutEntriesTakeNoNumber) {
    AddFile("one.htm", "1");
    AddFile("empty.htm", "");
    AddFile("three.htm", "333");
    AddFile("myvarlist.htm", "");  // a site by its name: never read, 1024 bytes
    AddFile(std::string(36, 'f') + ".htm", "4");  // exactly 40
    ctx.project.IndexDB = 10;
    prompter.AnswerMessage(Answer::Yes);
    const auto plan = Plan();
    ASSERT_TRUE(plan);
    std::vector<std::tuple<std::string, int, int>> got;
    for (const PlannedEntry& e : plan->entries) got.emplace_back(e.name, e.dbNumber, e.length);
    EXPECT_EQ(got, (std::vector<std::tuple<std::string, int, int>>{{"one.htm", 11, 1},
                                                                    {"three.htm", 12, 3},
                                                                    {"myvarlist.htm", 13, 1024},
                                                                    {std::string(36, 'f') + ".htm", 14, 1}}));
    EXPECT_EQ(ctx.project.files.Count(), 5);  // the project keeps the entry
}

TEST_F(PlannerTest, NoEndsTheRunAndForgetsEarlierAnswers) {
    dir.WriteSized("big1.gif", 32768);
    dir.WriteSized("big2.gif", 50000);
    AddEntry("big1.gif", dir.Path());
    AddEntry("big2.gif", dir.Path());
    AddFile("ok.htm", "ok");
    std::vector<Questionable> asked;
    const PlanResult r = MakePlan(900, ctx.project.files, [&](const Questionable& q) {
        asked.push_back(q);
        return asked.size() == 1 ? Decision::LeaveOut : Decision::EndRun;
    });
    EXPECT_FALSE(r.plan);
    EXPECT_EQ(r.stop, PlanStop::Declined);
    EXPECT_TRUE(r.leftOut.empty());
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].concern, Concern::TooLong);
    EXPECT_EQ(asked[0].length, 32768);
    EXPECT_FALSE(StopMessage(r));
}

TEST_F(PlannerTest, LargestFileAndSplitCounts) {
    dir.WriteSized("max.gif", 32767);
    AddEntry("max.gif", dir.Path());
    AddSites();
    const auto plan = Plan();
    ASSERT_TRUE(plan);
    ASSERT_EQ(plan->Count(), 5);
    EXPECT_EQ(plan->entries[0].Dwords(), 8191);
    EXPECT_EQ(plan->entries[0].Bytes(), 3);
    EXPECT_EQ(plan->entries[1].source, "varlist1.txt");
    EXPECT_EQ(plan->entries[1].Dwords(), 256);
    EXPECT_EQ(plan->entries[1].Bytes(), 0);
}

} // namespace
} // namespace lumafold::test
