// The workbench model: start-up state and the commands that need no file.
#include "FixedClock.h"
#include "FixedLocale.h"
#include "ScriptedPrompter.h"
#include "Workbench.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

namespace lumafold::test {
namespace {

class WorkbenchTest : public ::testing::Test {
protected:
    WorkbenchTest() {
        ::lumafold::test::UseUtcAndCLocale();
    }
    ScriptedPrompter prompter;
    FixedClock clock;
    WindowHooks hooks;
    Workbench wb{prompter, clock, hooks, "/opt/lumafold/"};
};

TEST_F(WorkbenchTest, StartUpIsANewEmptyProject) {
    wb.Form_Load();
    EXPECT_TRUE(wb.Prj().files.Empty());
    EXPECT_EQ(wb.El().Caption, "ZALT - Lumafold V2.2 ");
    EXPECT_EQ(wb.El().MaskEdBox1, "900 ");
    const Elements& el = wb.El();
    EXPECT_FALSE(el.cmdRemove || el.cmdGenerate || el.mnuPrint || el.mnuSave || el.mnuSaveAs || el.mnuClose);
    EXPECT_FALSE(wb.Prj().modified);
    EXPECT_EQ(wb.Prj().PRJTimeStamp, "11/14/23 22:13:20");
    EXPECT_EQ(wb.Prj().AWLSource(), "");
    EXPECT_EQ(wb.Prj().AWLTimeStamp, "");
    EXPECT_EQ(el.Combo1Text, "*.HTM;*.HTML");
}

TEST_F(WorkbenchTest, AboutShowsTheTitleText) {
    prompter.AnswerMessage(Answer::OK);
    wb.mnuAbout_Click();
    const Message m = prompter.Messages().at(0);
    EXPECT_EQ(m.text, "ZALT - Lumafold V2.2 ");
    EXPECT_EQ(m.buttons, Buttons::OK);
    EXPECT_EQ(m.icon, Icon::Information);
    EXPECT_EQ(m.title, "About");
}

TEST_F(WorkbenchTest, ListSelectionDrivesTheRemoveButton) {
    wb.Form_Load();
    wb.chkVarList_Click(true);
    wb.Editor().AddFile("a.htm", "");
    wb.SetListSelection({5, 99});
    wb.cmdRemove_Click();
    EXPECT_EQ(wb.Prj().files.Count(), 4);
    wb.SetListSelection({1});
    wb.cmdRemove_Click();
    EXPECT_TRUE(wb.Prj().files.Empty());
    EXPECT_FALSE(wb.El().chkVarList);
}

TEST_F(WorkbenchTest, CloseResetsAndDisablesTheMenus) {
    wb.Form_Load();
    wb.Editor().AddFile("a.htm", "");
    wb.El().Caption = "changed";
    prompter.AnswerMessage(Answer::No);
    wb.mnuClose_Click();
    EXPECT_EQ(prompter.Messages().at(0).text, "Save ?");
    EXPECT_TRUE(wb.Prj().files.Empty());
    EXPECT_EQ(wb.El().Caption, "ZALT - Lumafold V2.2 ");
    EXPECT_FALSE(wb.El().mnuSave);
}

} // namespace
} // namespace lumafold::test
