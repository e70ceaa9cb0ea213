// The IndexDB field: validation when the focus leaves it, the refused values,
// and the modified flag only for a changed number.
#include "FixedClock.h"
#include "FixedLocale.h"
#include "ScriptedPrompter.h"
#include "Workbench.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace lumafold::test {
namespace {

class IndexDBTest : public ::testing::Test {
protected:
    IndexDBTest() {
        ::lumafold::test::UseUtcAndCLocale();
        wb.Form_Load();
        clock.Advance(3600);
    }
    // The user enters the field, types text and moves the focus elsewhere;
    // true when the focus had to go back.
    bool TypeAndLeave(const std::string& text) {
        wb.MaskEdBox1_GotFocus();
        wb.MaskEdBox1_Validate(text);
        return wb.MaskEdBox1_LostFocus();
    }
    ScriptedPrompter prompter;
    FixedClock clock;
    WindowHooks hooks;
    Workbench wb{prompter, clock, hooks, "/opt/lumafold/"};
};

class IllegalIndexDB : public IndexDBTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(IllegalIndexDB, IsRefusedAndTheOldTextComesBack) {
    const std::string stamp = wb.Prj().PRJTimeStamp;
    prompter.AnswerMessage(Answer::OK);
    EXPECT_TRUE(TypeAndLeave(GetParam()));
    const Message m = prompter.Messages().at(0);
    EXPECT_EQ(m.text, "Illegal IndexDB!");
    EXPECT_EQ(m.buttons, Buttons::OK);
    EXPECT_EQ(m.icon, Icon::Error);
    EXPECT_EQ(m.title, "");
    EXPECT_EQ(wb.El().MaskEdBox1, "900 ");
    EXPECT_EQ(wb.Prj().IndexDB, 900);
    EXPECT_FALSE(wb.Prj().modified);
    EXPECT_EQ(wb.Prj().PRJTimeStamp, stamp);
    // The mark is cleared once the focus has been put back.
    EXPECT_FALSE(wb.MaskEdBox1_LostFocus());
}

INSTANTIATE_TEST_SUITE_P(Values, IllegalIndexDB,
                         ::testing::Values("0   ", "1024", "9999", "    ", "", "0000", "12a ", "99999999999999"));

struct Accepted {
    std::string typed;
    int indexDB;
    bool modified;
};

class AcceptedIndexDB : public IndexDBTest, public ::testing::WithParamInterface<Accepted> {};

TEST_P(AcceptedIndexDB, SetsIndexDBAndMarksOnlyAChange) {
    const Accepted c = GetParam();
    const std::string before = wb.Prj().PRJTimeStamp;
    EXPECT_FALSE(TypeAndLeave(c.typed));
    EXPECT_TRUE(prompter.Log().empty());
    EXPECT_EQ(wb.Prj().IndexDB, c.indexDB);
    EXPECT_EQ(wb.Prj().modified, c.modified);
    EXPECT_EQ(wb.Prj().PRJTimeStamp != before, c.modified);
    EXPECT_EQ(wb.El().MaskEdBox1, c.typed);  // left as typed
}

INSTANTIATE_TEST_SUITE_P(Values, AcceptedIndexDB,
                         ::testing::Values(Accepted{"1   ", 1, true}, Accepted{"1023", 1023, true},
                                           Accepted{"901 ", 901, true}, Accepted{"900 ", 900, false},
                                           Accepted{"0900", 900, false}, Accepted{" 9 0", 90, true}));

TEST_F(IndexDBTest, ComparesWithTheTextOfTheLastEntryNotTheFirst) {
    EXPECT_FALSE(TypeAndLeave("901 "));
    wb.Prj().modified = false;  // as after saving
    EXPECT_FALSE(TypeAndLeave("0901"));
    EXPECT_FALSE(wb.Prj().modified);
    EXPECT_FALSE(TypeAndLeave("900 "));
    EXPECT_TRUE(wb.Prj().modified);
}

TEST_F(IndexDBTest, RefusalRemembersTheRestoredTextForTheNextTry) {
    prompter.AnswerMessage(Answer::OK);
    wb.MaskEdBox1_GotFocus();
    wb.MaskEdBox1_Validate("0   ");
    ASSERT_TRUE(wb.MaskEdBox1_LostFocus());
    // Back in the field (the window puts the focus there): 900 is no change.
    wb.MaskEdBox1_Validate("900 ");
    EXPECT_FALSE(wb.MaskEdBox1_LostFocus());
    EXPECT_FALSE(wb.Prj().modified);
}

TEST_F(IndexDBTest, ResetShowsTheDefaultAgainAfterAChange) {
    EXPECT_FALSE(TypeAndLeave("5   "));
    prompter.AnswerMessage(Answer::No);  // New offers to save the changed project first
    wb.mnuNew_Click();
    EXPECT_EQ(wb.Prj().IndexDB, 900);
    EXPECT_EQ(wb.El().MaskEdBox1, "900 ");
}

} // namespace
} // namespace lumafold::test
