// The file browser in the window: the filter, the Add button's enabling, the
// keyboard selection, and the activation refresh that shows what other
// programs changed meanwhile.
#include "UnprivilegedScope.h"
#include "WindowFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <sys/stat.h>

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
    QString TreePath() const {
        const QTreeWidgetItem* item = Find<QTreeWidget>("dirTree")->currentItem();
        return item ? item->data(0, Qt::UserRole).toString() : QString();
    }
    QString Drive() const { return Find<QComboBox>("drvDrive")->currentText(); }
    // Gives the drive list the focus, opens it and picks the entry of that
    // text with the keyboard, as the user does.
    void PickDrive(const QString& text) {
        auto* drives = Find<QComboBox>("drvDrive");
        const int index = drives->findText(text);
        ASSERT_GE(index, 0) << text.toStdString() << " not in the drive list";
        drives->setFocus(Qt::MouseFocusReason);
        drives->showPopup();
        QAbstractItemView* view = drives->view();
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }
    // A root in the drive list as a mount point would give one.
    void AddDrive(const std::string& root) { Find<QComboBox>("drvDrive")->addItem(QString::fromStdString(root)); }
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

TEST_F(BrowserWindowTest, RowsSelectedWithTheKeyboardAloneCanBeAdded) {
    Open();
    TypeFilter("*.*");
    auto* list = Find<QListWidget>("filList");
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    std::vector<std::string> selected;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) selected.push_back(list->item(i)->text().toStdString());
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_TRUE(AddEnabled());
    Click(Find<QPushButton>("cmdAdd"));
    std::vector<std::string> names;
    for (const ListRow& row : ListRows()) names.push_back(row.first);
    EXPECT_EQ(names, selected);
    EXPECT_FALSE(AddEnabled());
    prompter.AnswerMessage(Answer::No);  // the offer to save at shut-down
}

TEST_F(BrowserWindowTest, AClickBelowTheLastRowEnablesAdd) {
    Open();
    OpenTreeRow("sub");
    ASSERT_FALSE(AddEnabled());
    auto* list = Find<QListWidget>("filList");
    const QRect last = list->visualItemRect(list->item(list->count() - 1));
    ASSERT_LT(last.bottom() + 10, list->viewport()->height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(last.center().x(), last.bottom() + 10));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(AddEnabled());
    Click(Find<QPushButton>("cmdAdd"));  // with nothing selected, adds nothing
    EXPECT_TRUE(ListRows().empty());
}

TEST_F(BrowserWindowTest, PickingTheDriveShownKeepsTheDirectory) {
    Open(site.File("sub"));
    const QString drive = Drive();
    PickDrive(drive);
    EXPECT_EQ(Drive(), drive);
    EXPECT_EQ(TreePath().toStdString(), site.File("sub"));
    EXPECT_EQ(FileRows(), QStringList({"inner.htm"}));
}

TEST_F(BrowserWindowTest, ADriveThatIsNotReadyLeavesTheBrowserWhereItWas) {
    const std::string locked = site.MakeDir("locked");
    ::chmod(locked.c_str(), 0);
    Open(site.File("sub"));
    AddDrive(locked);
    const QString drive = Drive();
    prompter.AnswerMessage(Answer::OK);
    {
        UnprivilegedScope nobody;
        PickDrive(QString::fromStdString(locked));
    }
    ::chmod(locked.c_str(), 0755);
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, locked + " isn't ready!");
    EXPECT_EQ(prompter.Messages()[0].title, "Drive invalid");
    EXPECT_EQ(Drive(), drive);
    EXPECT_EQ(TreePath().toStdString(), site.File("sub"));
    EXPECT_EQ(FileRows(), QStringList({"inner.htm"}));
}

TEST_F(BrowserWindowTest, TheDriveListFollowsTheTreeAcrossMountPoints) {
    Open(site.File("sub"));
    const QString outer = Drive();
    AddDrive(site.File("sub"));  // as if sub were a file system of its own
    const QString parent = QString::fromStdString(site.Path()).section('/', -1);
    OpenTreeRow(parent);
    OpenTreeRow("sub");
    EXPECT_EQ(Drive().toStdString(), site.File("sub"));
    OpenTreeRow(parent);
    EXPECT_EQ(Drive(), outer);
}

TEST_F(BrowserWindowTest, ChoosingAnotherDriveShowsItsRoot) {
    Open();
    AddDrive(site.File("sub"));
    PickDrive(QString::fromStdString(site.File("sub")));
    EXPECT_EQ(TreePath().toStdString(), site.File("sub"));
    EXPECT_EQ(FileRows(), QStringList({"inner.htm"}));
    EXPECT_FALSE(AddEnabled());
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
