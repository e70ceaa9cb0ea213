// A whole working session through the real widgets: pick files in the browser,
// add them, tick the VarList sites, remove one, change IndexDB, generate, save
// as, start anew and open the saved project again. The files on disk are
// checked byte for byte.
#include "WindowFixture.h"

#include "SameBytes.h"
#include "TitleText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace lumafold::test {
namespace {

constexpr std::time_t kAdded = 1700000000;         // 11/14/23 22:13:20 UTC
constexpr std::time_t kIndexChanged = kAdded + 60;  // 11/14/23 22:14:20
constexpr std::time_t kGenerated = kAdded + 120;    // 11/14/23 22:15:20

class UserStoryTest : public WindowTest {
protected:
    UserStoryTest() {
        site.Write("index.htm", "<html><body>Pump 1</body></html>\r\n");
        site.Write("page2.html", "<html>Valve</html>");
        site.Write("logo.GIF", std::string("GIF89a\0\1\2\3", 10));
        site.Write("notes.txt", "not for the PLC\n");
        site.WriteSized("photo.jpg", 1000);
        site.MakeDir("sub");
        site.Write("sub/deep.htm", "<p>deep</p>");
    }

    bool Enabled(const char* name) const { return Find<QWidget>(name)->isEnabled(); }
    // Close, Save, Save as and Print of the File menu.
    void ExpectFileCommands(bool enabled) const {
        for (const char* name : {"mnuClose", "mnuSave", "mnuSaveAs", "mnuPrint"})
            EXPECT_EQ(Action(name)->isEnabled(), enabled) << name;
    }

    // The AWL source that the workbench alone writes for the final list.
    std::string ReferenceAwl() {
        ScriptedPrompter person;
        WindowHooks hooks;
        TempDir out;
        FixedClock at(kGenerated);
        Workbench wb(person, at, hooks, home.Path() + "/");
        wb.Form_Load();
        wb.Editor().AddFile("index.htm", site.Path());
        wb.Editor().AddFile("page2.html", site.Path());
        wb.Editor().SetVarList(true);
        wb.Editor().AddFile("photo.jpg", site.Path());
        wb.Prj().IndexDB = 905;
        person.AnswerFileDialog(FileChoice{out.File("ref.AWL"), "ref.AWL"}).AnswerMessage(Answer::OK);
        wb.cmdGenerate_Click();
        return ReadFile(out.File("ref.AWL"));
    }

    std::string ExpectedProjectFile() const {
        const std::string d = site.Path() + "/";
        return "[SETTINGS]\r\n"
               "IndexDB=905\r\n"
               "AWLSource=" + d + "site.AWL\r\n"
               "AWLTimeStamp=11/14/23 22:15:20\r\n"
               "PRJTimeStamp=11/14/23 22:14:20\r\n"
               "\r\n"
               "[FILES]\r\n"
               "FILE_1=" + d + "index.htm\r\n"
               "FILE_2=" + d + "page2.html\r\n"
               "FILE_3=varlist1.txt\r\n"
               "FILE_4=varlist2.txt\r\n"
               "FILE_5=varlist3.txt\r\n"
               "FILE_6=varlist4.txt\r\n"
               "FILE_7=" + d + "photo.jpg\r\n"
               "\r\n";
    }

    std::vector<ListRow> FinalRows() const {
        return {{"index.htm", site.Path()}, {"page2.html", site.Path()}, {"varlist1.txt", ""}, {"varlist2.txt", ""},
                {"varlist3.txt", ""},       {"varlist4.txt", ""},        {"photo.jpg", site.Path()}};
    }
};

TEST_F(UserStoryTest, FromPickingFilesToOpeningTheSavedProject) {
    clock.Set(kAdded);
    Open();
    auto* field = Find<QLineEdit>("MaskEdBox1");
    EXPECT_EQ(FileRows(), QStringList({"index.htm", "page2.html"}));

    // Down into a subdirectory and back.
    OpenTreeRow("sub");
    EXPECT_EQ(FileRows(), QStringList({"deep.htm"}));
    OpenTreeRow(QString::fromStdString(site.Path()).section('/', -1));
    EXPECT_EQ(FileRows(), QStringList({"index.htm", "page2.html"}));

    // Every file, three of them picked and added in the list's order.
    TypeFilter("*.*");
    EXPECT_EQ(FileRows(), QStringList({"index.htm", "logo.GIF", "notes.txt", "page2.html", "photo.jpg"}));
    EXPECT_FALSE(Enabled("cmdAdd"));
    PickFiles({"page2.html", "index.htm", "logo.GIF"});
    EXPECT_TRUE(Enabled("cmdAdd"));
    Click(Find<QPushButton>("cmdAdd"));
    EXPECT_EQ(ListRows(), (std::vector<ListRow>{{"index.htm", site.Path()}, {"logo.GIF", site.Path()},
                                                 {"page2.html", site.Path()}}));
    EXPECT_FALSE(Enabled("cmdAdd"));
    EXPECT_TRUE(Find<QListWidget>("filList")->selectedItems().isEmpty());
    for (const char* name : {"cmdRemove", "cmdGenerate"}) EXPECT_TRUE(Enabled(name)) << name;
    ExpectFileCommands(true);

    ClickVarList();
    EXPECT_TRUE(Find<QCheckBox>("chkVarList")->isChecked());
    EXPECT_EQ(ListRows().size(), 7u);

    PickListRows({"logo.GIF"});
    Click(Find<QPushButton>("cmdRemove"));
    EXPECT_EQ(ListRows().size(), 6u);

    // A double click adds the row clicked on.
    DoubleClickFile("photo.jpg");
    EXPECT_EQ(ListRows(), FinalRows());
    EXPECT_FALSE(Enabled("cmdAdd"));

    // An illegal IndexDB is refused and the focus comes back to the field.
    prompter.AnswerMessage(Answer::OK);
    EnterIndexDB("0");
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, "Illegal IndexDB!");
    EXPECT_EQ(prompter.Messages()[0].icon, Icon::Error);
    EXPECT_EQ(prompter.Messages()[0].title, "");
    EXPECT_EQ(field->displayText(), "900 ");
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(field->selectedText(), field->displayText());
    EXPECT_EQ(gui->Model().Prj().IndexDB, 900);

    clock.Set(kIndexChanged);
    EnterIndexDB("905");
    EXPECT_NE(QApplication::focusWidget(), field);
    EXPECT_EQ(gui->Model().Prj().IndexDB, 905);
    EXPECT_EQ(gui->Model().Prj().PRJTimeStamp, "11/14/23 22:14:20");

    // Generate, with the save dialog answered.
    clock.Set(kGenerated);
    const std::string awl = site.File("site.AWL");
    prompter.AnswerFileDialog(FileChoice{awl, "site.AWL"}).AnswerMessage(Answer::OK);
    Click(Find<QPushButton>("cmdGenerate"));
    ASSERT_EQ(prompter.Log().size(), 3u);
    const FileDialog& asked = prompter.Log()[1].dialog;
    EXPECT_EQ(asked.DialogTitle, "Save AWL source file");
    EXPECT_EQ(asked.Flags, dlg::SaveFlags);
    EXPECT_EQ(asked.InitDir, home.Path() + "/");
    EXPECT_EQ(prompter.Messages().back().text, "Source for DB905 to DB912 and UDT905 generated");
    EXPECT_EQ(gui->windowTitle().toStdString(), std::string(kTitleText) + "(" + awl + ")");
    EXPECT_EQ(Find<QLabel>("Label2")->text(), "Source generated");
    EXPECT_TRUE(FileRows().contains("site.AWL")) << "the browser shows the new source at once";
    EXPECT_TRUE(SameBytes(ReferenceAwl(), ReadFile(awl)));

    // Save as, then a new project, then the saved one opened again.
    const std::string prj = site.File("site.F2D");
    prompter.AnswerFileDialog(FileChoice{prj, "site.F2D"});
    Menu("mnuSaveAs");
    EXPECT_TRUE(SameBytes(ExpectedProjectFile(), ReadFile(prj)));
    EXPECT_EQ(gui->windowTitle().toStdString(), std::string(kTitleText) + "(" + prj + ")");

    Menu("mnuNew");
    EXPECT_TRUE(ListRows().empty());
    EXPECT_EQ(gui->windowTitle().toStdString(), kTitleText);
    EXPECT_EQ(field->displayText(), "900 ");
    EXPECT_FALSE(Find<QCheckBox>("chkVarList")->isChecked());
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), "*.HTM;*.HTML");
    ExpectFileCommands(false);
    for (const char* name : {"cmdRemove", "cmdGenerate"}) EXPECT_FALSE(Enabled(name)) << name;

    prompter.AnswerFileDialog(FileChoice{prj, "site.F2D"});
    Menu("mnuOpen");
    EXPECT_EQ(ListRows(), FinalRows());
    EXPECT_EQ(field->displayText(), "905 ");
    EXPECT_TRUE(Find<QCheckBox>("chkVarList")->isChecked());
    EXPECT_EQ(gui->windowTitle().toStdString(), std::string(kTitleText) + " (" + site.Path() + "/site.F2D)");

    // Saving the opened project writes the same bytes again.
    site.Write("site.F2D", "overwritten");
    Menu("mnuSave");
    EXPECT_TRUE(SameBytes(ExpectedProjectFile(), ReadFile(prj)));
    EXPECT_TRUE(prompter.ScriptDone());
}

TEST_F(UserStoryTest, ExitWithAModifiedUnnamedProjectOffersToSaveAndEndsWhenCancelled) {
    Open();
    PickFiles({"index.htm"});
    Click(Find<QPushButton>("cmdAdd"));
    prompter.AnswerMessage(Answer::Yes).AnswerFileDialog(std::nullopt);
    Menu("mnuExit");
    EXPECT_FALSE(gui->isVisible());
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, "Save ?");
    EXPECT_EQ(prompter.Messages()[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(FileExists(site.File("index.F2D")));
}

TEST_F(UserStoryTest, CloseOffersToSaveThenShowsANewProject) {
    Open();
    PickFiles({"index.htm", "page2.html"});
    Click(Find<QPushButton>("cmdAdd"));
    prompter.AnswerMessage(Answer::No);
    Menu("mnuClose");
    EXPECT_EQ(prompter.Messages().size(), 1u);
    EXPECT_TRUE(ListRows().empty());
    EXPECT_EQ(Find<QLineEdit>("MaskEdBox1")->displayText(), "900 ");
    EXPECT_EQ(gui->windowTitle().toStdString(), kTitleText);
    ExpectFileCommands(false);
}

TEST_F(UserStoryTest, RemovingEveryEntryKeepsTheFileCommands) {
    Open();
    PickFiles({"index.htm", "page2.html"});
    Click(Find<QPushButton>("cmdAdd"));
    PickListRows({"index.htm", "page2.html"});
    Click(Find<QPushButton>("cmdRemove"));
    EXPECT_TRUE(ListRows().empty());
    for (const char* name : {"cmdRemove", "cmdGenerate"}) EXPECT_FALSE(Enabled(name)) << name;
    ExpectFileCommands(true);
    prompter.AnswerMessage(Answer::No);  // the offer to save at shut-down
}

} // namespace
} // namespace lumafold::test
