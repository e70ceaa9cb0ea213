// Bad input through the window: each ends in a message recorded by the
// scripted person, the window keeps running and nothing on disk is lost.
#include "WindowFixture.h"

#include "TitleText.h"
#include "UnprivilegedScope.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <sys/stat.h>

namespace lumafold::test {
namespace {

class BadInputTest : public WindowTest {
protected:
    BadInputTest() {
        site.Write("index.htm", "<html>index</html>");
        site.Write("page.htm", "<html>page</html>");
    }
    void AddBoth() {
        PickFiles({"index.htm", "page.htm"});
        Click(Find<QPushButton>("cmdAdd"));
        ASSERT_EQ(ListRows().size(), 2u);
    }
    Message OnlyMessage() const {
        const auto messages = prompter.Messages();
        EXPECT_EQ(messages.size(), 1u);
        return messages.empty() ? Message{} : messages[0];
    }
};

TEST_F(BadInputTest, UnreadableDirectoryIsReportedAndTheBrowserStays) {
    // The unprivileged user must reach the site, but not the locked directory.
    ::chmod(site.Path().c_str(), 0755);
    const std::string locked = site.MakeDir("locked");
    ::chmod(locked.c_str(), 0);
    Open();
    prompter.AnswerMessage(Answer::OK);
    {
        UnprivilegedScope nobody;
        OpenTreeRow("locked");
    }
    const Message m = OnlyMessage();
    EXPECT_EQ(m.text, "Directory \"" + locked + "\" can't be read: Permission denied ");
    EXPECT_EQ(m.title, "Directory invalid");
    EXPECT_EQ(m.icon, Icon::Error);
    EXPECT_EQ(FileRows(), QStringList({"index.htm", "page.htm"}));
    EXPECT_TRUE(TreeRows().contains("locked")) << "the tree stays on the site";
}

TEST_F(BadInputTest, FileVanishedBeforeAddIsReported) {
    Open();
    PickFiles({"index.htm", "page.htm"});
    std::remove(site.File("index.htm").c_str());
    prompter.AnswerMessage(Answer::OK);
    Click(Find<QPushButton>("cmdAdd"));
    const Message m = OnlyMessage();
    EXPECT_EQ(m.text, "File \"" + site.File("index.htm") + "\" doesn't exist ... ");
    EXPECT_EQ(m.title, "Can't add");
    EXPECT_EQ(ListRows(), (std::vector<ListRow>{{"page.htm", site.Path()}}));
    prompter.AnswerMessage(Answer::No);  // the offer to save at shut-down
}

TEST_F(BadInputTest, FileVanishedBeforeGenerateMayBeLeftOut) {
    Open();
    AddBoth();
    std::remove(site.File("index.htm").c_str());
    const std::string awl = site.File("out.AWL");
    prompter.AnswerMessage(Answer::Yes).AnswerFileDialog(FileChoice{awl, "out.AWL"}).AnswerMessage(Answer::OK);
    Click(Find<QPushButton>("cmdGenerate"));
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].text.starts_with("File \"" + site.File("index.htm") + "\" can't be read: ")) << messages[0].text;
    EXPECT_EQ(messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(messages[1].text, "Source for DB900 to DB901 and UDT900 generated");
    EXPECT_TRUE(FileExists(awl));
    prompter.AnswerMessage(Answer::No);  // the offer to save at shut-down
}

TEST_F(BadInputTest, UnwritableAwlTargetIsReportedAndTheOldSourceStays) {
    const std::string out = site.MakeDir("out");
    const std::string awl = site.Write("out/site.AWL", "the source of yesterday\r\n");
    ::chmod(site.Path().c_str(), 0755);
    ::chmod(out.c_str(), 0555);
    Open();
    AddBoth();
    prompter.AnswerFileDialog(FileChoice{awl, "site.AWL"}).AnswerMessage(Answer::OK);
    {
        UnprivilegedScope nobody;
        Click(Find<QPushButton>("cmdGenerate"));
    }
    const Message m = OnlyMessage();
    EXPECT_TRUE(m.text.starts_with("AWL source \"" + awl + "\" can't be written: ")) << m.text;
    EXPECT_EQ(m.title, "Can't generate");
    EXPECT_EQ(ReadFile(awl), "the source of yesterday\r\n");
    EXPECT_EQ(gui->windowTitle().toStdString(), kTitleText);
    EXPECT_EQ(Find<QLabel>("Label2")->text(), "");
    EXPECT_TRUE(Find<QPushButton>("cmdGenerate")->isEnabled());
    prompter.AnswerMessage(Answer::No);  // the offer to save at shut-down
}

TEST_F(BadInputTest, AwlTargetInAMissingDirectoryIsReported) {
    Open();
    AddBoth();
    const std::string awl = site.File("gone/site.AWL");
    prompter.AnswerFileDialog(FileChoice{awl, "site.AWL"}).AnswerMessage(Answer::OK);
    Click(Find<QPushButton>("cmdGenerate"));
    EXPECT_TRUE(OnlyMessage().text.starts_with("AWL source \"" + awl + "\" can't be written: "));
    EXPECT_FALSE(FileExists(awl));
    prompter.AnswerMessage(Answer::No);  // the offer to save at shut-down
}

// A project file that cannot be loaded leaves a new, unnamed project.
struct LoadCase {
    const char* label;
    const char* bytes;
    bool locked;
    const char* says;  // what the message says after the file's name
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.label; }

class ProjectLoadTest : public BadInputTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(ProjectLoadTest, FailedLoadIsReportedAndLeavesANewProject) {
    const LoadCase& c = GetParam();
    const std::string prj = site.Write("bad.F2D", c.bytes);
    ::chmod(site.Path().c_str(), 0755);
    if (c.locked) ::chmod(prj.c_str(), 0);
    Open();
    prompter.AnswerFileDialog(FileChoice{prj, "bad.F2D"}).AnswerMessage(Answer::OK);
    {
        UnprivilegedScope nobody;
        Menu("mnuOpen");
    }
    const Message m = OnlyMessage();
    EXPECT_EQ(m.text, "File \"" + prj + "\" " + c.says);
    EXPECT_EQ(m.title, "Can't open");
    EXPECT_TRUE(ListRows().empty());
    EXPECT_EQ(gui->windowTitle().toStdString(), kTitleText);
    EXPECT_FALSE(Action("mnuSave")->isEnabled());
}

const LoadCase kLoadCases[] = {
    {"NoProjectFile", "\x7f" "ELF\x02\x01\x01 binary", false, "is not a project file "},
    {"Unreadable", "[SETTINGS]\r\nIndexDB=901\r\n", true, "can't be read: Permission denied "},
};

INSTANTIATE_TEST_SUITE_P(Open, ProjectLoadTest, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(BadInputTest, ProjectNamingAVanishedFileLoadsTheRest) {
    const std::string prj = site.Write("site.F2D", "[SETTINGS]\r\nIndexDB=901\r\n\r\n[FILES]\r\nFILE_1=" +
                                                        site.File("gone.htm") + "\r\nFILE_2=" + site.File("page.htm") +
                                                        "\r\n\r\n");
    Open();
    prompter.AnswerFileDialog(FileChoice{prj, "site.F2D"}).AnswerMessage(Answer::OK);
    Menu("mnuOpen");
    EXPECT_EQ(OnlyMessage().text, "File \"" + site.File("gone.htm") + "\" doesn't exist ... ");
    EXPECT_EQ(ListRows(), (std::vector<ListRow>{{"page.htm", site.Path()}}));
    EXPECT_EQ(gui->Model().Prj().IndexDB, 901);
}

} // namespace
} // namespace lumafold::test
