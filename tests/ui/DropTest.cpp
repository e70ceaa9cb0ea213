// Files from outside the browser: a drop onto the project list and a project
// file named on the command line.
#include "FixedClock.h"
#include "FixedLocale.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "Workbench.h"

#include <gtest/gtest.h>

#include <utility>

namespace lumafold::test {
namespace {

const std::string kProject = "[SETTINGS]\r\nIndexDB=120\r\nAWLSource=\r\nAWLTimeStamp=\r\n"
                             "PRJTimeStamp=01/02/03 04:05:06\r\n\r\n[FILES]\r\nFILE_1=site/a.htm\r\n\r\n";

class DropTest : public ::testing::Test {
protected:
    DropTest() {
        UseUtcAndCLocale();
        dir.MakeDir("site");
        dir.Write("site/a.htm", "a");
        dir.Write("site/b.gif", "b");
        dir.Write("site.F2D", kProject);
        wb.Form_Load();
    }
    std::vector<std::pair<std::string, std::string>> Rows() const {
        std::vector<std::pair<std::string, std::string>> rows;
        for (int pos = 1; pos <= wb.Prj().files.Count(); ++pos)
            rows.emplace_back(wb.Prj().files.At(pos).name, wb.Prj().files.At(pos).directory);
        return rows;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const Message& m : prompter.Messages()) texts.push_back(m.title + ": " + m.text);
        return texts;
    }

    TempDir dir;
    ScriptedPrompter prompter;
    FixedClock clock;
    WindowHooks hooks;
    Workbench wb{prompter, clock, hooks, "/opt/lumafold/"};
};

TEST_F(DropTest, DroppedFilesAreAddedInTheOrderDropped) {
    wb.DropFiles({dir.File("site/b.gif"), dir.File("site/a.htm")});
    const std::string site = dir.File("site");
    EXPECT_EQ(Rows(), (decltype(Rows()){{"b.gif", site}, {"a.htm", site}}));
    EXPECT_TRUE(wb.Prj().modified);
    EXPECT_TRUE(wb.El().cmdGenerate && wb.El().cmdRemove && wb.El().mnuSave);
    EXPECT_TRUE(prompter.Log().empty());
}

// Each refused file says so with AddFile's own message; the others still come in.
TEST_F(DropTest, RefusedFilesShowAddFilesMessagesAndTheRestIsAdded) {
    wb.DropFiles({dir.File("site/a.htm")});
    prompter.AnswerMessage(Answer::OK).AnswerMessage(Answer::OK).AnswerMessage(Answer::OK);
    wb.DropFiles({dir.File("site/A.HTM"), dir.File("gone.htm"), dir.File("site") + "/", dir.File("site/b.gif")});
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                  "Can't add: File \"A.HTM\" does exist ",
                                  "Can't add: File \"" + dir.File("gone.htm") + "\" doesn't exist ... ",
                                  "Can't add: File \"" + dir.File("site") + "\" is a directory, not a plain file ... ",
                              }));
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[1].first, "b.gif");
}

TEST_F(DropTest, ADroppedProjectFileIsOpenedAfterTheOfferToSave) {
    wb.DropFiles({dir.File("site/b.gif")});
    prompter.AnswerMessage(Answer::No);
    wb.DropFiles({dir.File("site/a.htm"), dir.File("site.F2D"), dir.File("site/b.gif")});
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{": Save ?"}));
    // The project alone: the other files of that drop stay out.
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0].first, "a.htm");
    EXPECT_EQ(wb.El().Caption, "ZALT - Lumafold V2.2  (" + dir.File("site.F2D") + ")");
    EXPECT_EQ(wb.Prj().IndexDB, 120);
    EXPECT_FALSE(wb.Prj().modified);
}

TEST_F(DropTest, AProjectFileIsKnownByItsExtensionInAnyCase) {
    dir.Write("lower.f2d", kProject);
    wb.DropFiles({dir.File("lower.f2d")});
    EXPECT_EQ(wb.El().Caption, "ZALT - Lumafold V2.2  (" + dir.File("lower.f2d") + ")");
    EXPECT_EQ(wb.Prj().files.Count(), 1);
}

// The command line names a project that is not there yet: an empty project
// under that name, which a later Save writes.
TEST_F(DropTest, ANameThatDoesNotExistGivesAnEmptyProjectUnderIt) {
    wb.OpenProjectFile(dir.File("new.F2D"));
    EXPECT_TRUE(wb.Prj().files.Empty());
    EXPECT_EQ(wb.El().Caption, "ZALT - Lumafold V2.2  (" + dir.File("new.F2D") + ")");
    EXPECT_EQ(wb.Prj().projectFile, "new.F2D");
    EXPECT_EQ(wb.Prj().projectDir, dir.Path() + "/");
    EXPECT_EQ(wb.Prj().awlFile, "new");
    EXPECT_FALSE(wb.Prj().modified);
    wb.mnuSave_Click();
    EXPECT_TRUE(FileExists(dir.File("new.F2D")));
    EXPECT_TRUE(prompter.Log().empty());
}

} // namespace
} // namespace lumafold::test
