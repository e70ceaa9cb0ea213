// Removing entries, the VarList check box and the reset to a new project.
#include "EditorFixture.h"

namespace lumafold::test {
namespace {

using Remove = EditorTest;

TEST_F(Remove, RemoveFileByLookupKeepsTheStampAndMenus) {
    editor.AddFile("a.htm", "");
    editor.AddFile("b.htm", "");
    const std::string stamp = ctx.project.PRJTimeStamp;
    clock.Advance(3600);
    ctx.project.modified = false;
    ctx.el.Label2 = "Source generated";
    editor.RemoveFile("A.HTM");
    EXPECT_EQ(Names(), (std::vector<std::string>{"b.htm"}));
    EXPECT_TRUE(ctx.project.modified);
    EXPECT_EQ(ctx.project.PRJTimeStamp, stamp);
    EXPECT_EQ(ctx.el.Label2, "Source generated");
    editor.RemoveFile("b.htm");
    EXPECT_FALSE(ctx.el.cmdRemove);
    EXPECT_FALSE(ctx.el.cmdGenerate);
    EXPECT_EQ(ctx.el.Label2, "");
    EXPECT_TRUE(ctx.el.mnuSave && ctx.el.mnuSaveAs && ctx.el.mnuClose && ctx.el.mnuPrint);
}

TEST_F(Remove, RemoveFileOfAnUnlistedNameChangesNothing) {
    editor.AddFile("a.htm", "");
    ctx.project.modified = false;
    editor.RemoveFile("z.htm");
    EXPECT_EQ(ctx.project.files.Count(), 1);
    EXPECT_FALSE(ctx.project.modified);
    EXPECT_TRUE(ctx.el.cmdRemove);
}

TEST_F(Remove, ClearingTheBoxRemovesTheFourSites) {
    editor.SetVarList(true);
    ASSERT_EQ(ctx.project.files.Count(), 4);
    editor.SetVarList(false);
    EXPECT_TRUE(ctx.project.files.Empty());
    EXPECT_FALSE(ctx.el.cmdRemove || ctx.el.cmdGenerate);
    EXPECT_TRUE(ctx.el.mnuSave && ctx.el.mnuSaveAs && ctx.el.mnuClose && ctx.el.mnuPrint);
}

TEST_F(Remove, ButtonRemovesEverySelectedEntryAndAllSitesForOne) {
    editor.SetVarList(true);
    editor.AddFile("a.htm", "");
    editor.AddFile("b.htm", "");
    ctx.project.modified = false;
    ctx.project.files.At(3).selected = true;  // varlist3.txt
    ctx.project.files.At(6).selected = true;  // b.htm
    editor.cmdRemove_Click();
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.htm"}));
    EXPECT_FALSE(ctx.el.chkVarList);
    EXPECT_TRUE(ctx.project.modified);
    EXPECT_TRUE(ctx.el.cmdRemove);
}

TEST_F(Remove, ButtonWithEverythingSelectedEmptiesTheList) {
    editor.AddFile("a.htm", "");
    editor.SetVarList(true);
    editor.AddFile("b.htm", "");
    for (int i = 1; i <= ctx.project.files.Count(); ++i) ctx.project.files.At(i).selected = true;
    editor.cmdRemove_Click();
    EXPECT_TRUE(ctx.project.files.Empty());
    EXPECT_FALSE(ctx.el.cmdRemove);
    EXPECT_FALSE(ctx.el.chkVarList);
}

TEST_F(Remove, ResetEmptiesEverythingInOrder) {
    editor.SelectFilter(1);
    editor.SetVarList(true);
    editor.AddFile("a.htm", "");
    ctx.project.IndexDB = 12;
    ctx.project.awlDir = "/plc/";
    ctx.project.awlFile = "x.AWL";
    ctx.project.AWLTimeStamp = "then";
    ctx.el.Label2 = "Source generated";
    ctx.el.ProgressBar1Value = 77;
    ctx.el.cmdAdd = true;
    clock.Advance(1);
    hooks.filters.clear();
    editor.ResetProject();

    EXPECT_EQ(hooks.filters, (std::vector<std::string>{"*.HTM;*.HTML"}));
    EXPECT_EQ(ctx.el.Combo1Text, "*.HTM;*.HTML");
    EXPECT_FALSE(ctx.el.chkVarList);
    EXPECT_TRUE(ctx.project.files.Empty());
    EXPECT_FALSE(ctx.project.modified);
    EXPECT_EQ(ctx.el.Label2, "");
    EXPECT_EQ(ctx.el.ProgressBar1Value, 0);
    EXPECT_EQ(ctx.project.PRJTimeStamp, "11/14/23 22:13:21");
    EXPECT_EQ(ctx.project.AWLSource(), "");
    EXPECT_EQ(ctx.project.AWLTimeStamp, "");
    EXPECT_EQ(ctx.project.IndexDB, 900);
    EXPECT_EQ(ctx.el.MaskEdBox1, "900 ");
    EXPECT_EQ(ctx.el.Caption, "ZALT - Lumafold V2.2 ");
    const Elements& el = ctx.el;
    EXPECT_FALSE(el.cmdRemove || el.cmdGenerate || el.mnuPrint || el.mnuSave || el.mnuSaveAs || el.mnuClose);
    EXPECT_TRUE(el.cmdAdd);  // the reset leaves the browser's button alone
}

TEST_F(Remove, FilterChangesReachTheFileListOnlyWhenTheTextChanges) {
    editor.SetFilterText("*.GIF");
    editor.SetFilterText("*.GIF");
    editor.SelectFilter(3);
    EXPECT_EQ(hooks.filters, (std::vector<std::string>{"*.GIF", "*.GIF;*.JPG;*.BMP"}));
}

} // namespace
} // namespace lumafold::test
