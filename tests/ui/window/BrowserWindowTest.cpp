// The file browser in the window: the filter, the Add button's enabling, the
// keyboard selection, and the activation refresh that shows what other
// programs changed meanwhile.
#include "WindowFixture.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace lumafold::test {
namespace {

class BrowserWindowTest : public WindowTest {
protected:
    BrowserWindowTest() {
        for (const char* name : {"a.htm", "B.HTML", "c.gif", "D.JPG", "e.bmp", "f.Gif", "notes.txt", "README.TXT"})
            site.Write(name, "x");
        site.MakeDir("sub");
        site.Write("sub/inner.htm", "x");
    }
    bool AddEnabled() const { return Find<QPushButton>("cmdAdd")->isEnabled(); }
    // The program becomes the active application again, as after the user
    // switched to another program and back.
    static void SwitchAwayAndBack() {
        QEvent away(QEvent::ApplicationDeactivate);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &away);
        QEvent back(QEvent::ApplicationActivate);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &back);
    }
};

TEST_F(BrowserWindowTest, PickingTheImagesItemShowsImagesInEitherCase) {
    Open();
    auto* combo = Find<QComboBox>("Combo1");
    combo->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(combo->currentIndex(), 1);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), "*.GIF;*.JPG;*.BMP");
    EXPECT_EQ(FileRows(), QStringList({"c.gif", "D.JPG", "e.bmp", "f.Gif"}));
}

TEST_F(BrowserWindowTest, TypedFilterIsAppliedLetterByLetter) {
    Open();
    TypeFilter("*.T");
    EXPECT_TRUE(FileRows().isEmpty());
    QTest::keyClicks(Find<QComboBox>("Combo1")->lineEdit(), "XT");
    EXPECT_EQ(FileRows(), QStringList({"notes.txt", "README.TXT"}));
    TypeFilter("*.htm;*.bmp");
    EXPECT_EQ(FileRows(), QStringList({"a.htm", "e.bmp"}));
}

TEST_F(BrowserWindowTest, DirectoryChangeDisablesAddUntilTheNextClick) {
    Open();
    PickFiles({"a.htm"});
    EXPECT_TRUE(AddEnabled());
    OpenTreeRow("sub");
    EXPECT_EQ(FileRows(), QStringList({"inner.htm"}));
    EXPECT_FALSE(AddEnabled());
    PickFiles({"inner.htm"});
    EXPECT_TRUE(AddEnabled());
}

TEST_F(BrowserWindowTest, FilterChangeKeepsTheAddButtonAsItWas) {
    Open();
    PickFiles({"a.htm"});
    TypeFilter("*.*");
    EXPECT_TRUE(AddEnabled());
}

TEST_F(BrowserWindowTest, FourFilesSelectedWithTheKeyboardAreAddedInListOrder) {
    Open();
    TypeFilter("*.*");
    PickFiles({"B.HTML"});
    auto* list = Find<QListWidget>("filList");
    for (int i = 0; i < 3; ++i) QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    Click(Find<QPushButton>("cmdAdd"));
    std::vector<std::string> names;
    for (const ListRow& row : ListRows()) names.push_back(row.first);
    EXPECT_EQ(names, (std::vector<std::string>{"B.HTML", "c.gif", "D.JPG", "e.bmp"}));
    prompter.AnswerMessage(Answer::No);  // the offer to save at shut-down
}

TEST_F(BrowserWindowTest, ProjectCommandsPutTheWebPagesFilterBack) {
    Open();
    TypeFilter("*.*");
    Menu("mnuNew");
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), "*.HTM;*.HTML");
    EXPECT_EQ(FileRows(), QStringList({"a.htm", "B.HTML"}));
}

TEST_F(BrowserWindowTest, DriveListShowsTheRootThatHoldsTheStartDirectory) {
    Open();
    auto* drives = Find<QComboBox>("drvDrive");
    QStringList roots;
    for (int i = 0; i < drives->count(); ++i) roots << drives->itemText(i);
    EXPECT_EQ(roots.first(), "/");
    const QString current = drives->currentText();
    const QString start = QString::fromStdString(site.Path());
    EXPECT_TRUE(current == "/" || start.startsWith(current + "/")) << current.toStdString();
    for (const QString& root : roots)
        if (root != "/" && start.startsWith(root + "/")) {
            EXPECT_GE(current.size(), root.size()) << "a nearer root";
        }
}

TEST_F(BrowserWindowTest, SwitchingBackShowsFilesAndDirectoriesMadeMeanwhile) {
    Open();
    site.Write("new.htm", "made by another program");
    site.MakeDir("newdir");
    EXPECT_FALSE(FileRows().contains("new.htm"));
    SwitchAwayAndBack();
    EXPECT_TRUE(FileRows().contains("new.htm"));
    EXPECT_TRUE(TreeRows().contains("newdir"));
}

TEST_F(BrowserWindowTest, SwitchingBackKeepsTheSelectionAndForgetsRemovedFiles) {
    Open();
    PickFiles({"B.HTML"});
    std::remove(site.File("a.htm").c_str());
    SwitchAwayAndBack();
    EXPECT_EQ(FileRows(), QStringList({"B.HTML"}));
    EXPECT_EQ(Find<QListWidget>("filList")->selectedItems().size(), 1);
}

TEST_F(BrowserWindowTest, ShownDirectoryRemovedMeanwhileGivesWayToItsParent) {
    Open();
    OpenTreeRow("sub");
    std::remove(site.File("sub/inner.htm").c_str());
    std::remove(site.File("sub").c_str());
    SwitchAwayAndBack();
    EXPECT_EQ(FileRows(), QStringList({"a.htm", "B.HTML"}));
}

TEST_F(BrowserWindowTest, NoRefreshOnceShutDownHasUnhooked) {
    Open();
    gui->close();
    site.Write("late.htm", "x");
    SwitchAwayAndBack();
    EXPECT_FALSE(FileRows().contains("late.htm"));
}

} // namespace
} // namespace lumafold::test
