// The window as it opens: every element in its place with its caption and
// enabled state, the menus in order, the title, and the default placement.
#include "WindowFixture.h"

#include "TitleText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace lumafold::test {
namespace {

struct ElementCase {
    const char* name;
    const char* kind;       // the Qt class that shows it
    const char* caption;    // nullptr: none to check
    int left, top, width, height;  // twips
    bool enabled;
};

void PrintTo(const ElementCase& c, std::ostream* os) { *os << c.name; }

// The layout of the window's client area, in twips.
const ElementCase kElements[] = {
    {"drvDrive", "QComboBox", nullptr, 120, 120, 2175, 315, true},
    {"dirTree", "lumafold::DirTree", nullptr, 120, 450, 2175, 2565, true},
    {"filList", "lumafold::FileListBox", nullptr, 2400, 120, 2055, 2430, true},
    {"Combo1", "QComboBox", "*.HTM;*.HTML", 2400, 2700, 2055, 315, true},
    {"chkVarList", "QCheckBox", "&VarList Sites", 4560, 120, 1455, 375, true},
    {"cmdAdd", "QPushButton", "&Add ->", 4560, 600, 1335, 495, false},
    {"cmdRemove", "QPushButton", "<- &Remove", 4560, 1200, 1335, 495, false},
    {"cmdGenerate", "QPushButton", "&Generate", 4560, 2520, 1335, 495, false},
    {"lstPrjList", "QTreeWidget", nullptr, 6000, 120, 3615, 2895, true},
    {"Label1", "QLabel", "&IndexDB", 120, 3300, 735, 255, true},
    {"MaskEdBox1", "lumafold::IndexDBField", "900 ", 840, 3240, 735, 375, true},
    {"Label2", "QLabel", "", 120, 3720, 9615, 255, true},
    {"ProgressBar1", "QProgressBar", nullptr, 120, 4080, 9615, 375, true},
};

QRect Pixels(int left, int top, int width, int height) { return QRect(Px(left), Px(top), Px(width), Px(height)); }

QString CaptionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->displayText();
    return {};
}

class StartupTest : public WindowTest, public ::testing::WithParamInterface<ElementCase> {};

TEST_P(StartupTest, ElementInPlaceWithCaptionAndState) {
    const ElementCase& c = GetParam();
    Open();
    ASSERT_EQ(gui->Dpi(), 96.0);
    auto* w = Find<QWidget>(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_STREQ(w->metaObject()->className(), c.kind);
    EXPECT_EQ(w->parentWidget(), gui->centralWidget());
    EXPECT_EQ(w->geometry(), Pixels(c.left, c.top, c.width, c.height));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->isEnabled(), c.enabled);
    if (c.caption) {
        EXPECT_EQ(CaptionOf(w).toStdString(), c.caption);
    }
}

INSTANTIATE_TEST_SUITE_P(Layout, StartupTest, ::testing::ValuesIn(kElements),
                         [](const auto& info) { return std::string(info.param.name); });

class WindowStartTest : public WindowTest {};

TEST_F(WindowStartTest, ClientAreaHoldsEveryElement) {
    Open();
    const QRect client = gui->centralWidget()->rect();
    EXPECT_GE(client.width(), Px(9780));
    for (const ElementCase& c : kElements)
        EXPECT_TRUE(client.contains(Pixels(c.left, c.top, c.width, c.height))) << c.name << " cut off";
}

TEST_F(WindowStartTest, TitleIsTheTitleTextAlone) {
    Open();
    EXPECT_EQ(gui->windowTitle().toStdString(), kTitleText);
}

TEST_F(WindowStartTest, MenusInOrderWithAccessLettersAndSeparators) {
    Open();
    const std::vector<std::pair<const char*, const char*>> menus = {{"mnuFile", "&File"}, {"mnuHelp", "&Help"}};
    const QList<QAction*> bar = gui->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    const std::vector<std::vector<ListRow>> items = {
        {{"mnuNew", "&New"}, {"mnuOpen", "&Open"}, {"mnuClose", "&Close"}, {"mnuSave", "&Save"},
         {"mnuSaveAs", "Save &as"}, {"sep1", ""}, {"mnuPrint", "&Print"}, {"sep2", ""}, {"mnuExit", "&Exit"}},
        {{"mnuAbout", "&About"}},
    };
    for (size_t m = 0; m < menus.size(); ++m) {
        QMenu* menu = bar[int(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName().toStdString(), menus[m].first);
        EXPECT_EQ(menu->title().toStdString(), menus[m].second);
        std::vector<ListRow> shown;
        for (QAction* a : menu->actions()) shown.emplace_back(a->objectName().toStdString(), a->text().toStdString());
        EXPECT_EQ(shown, items[m]);
        for (QAction* a : menu->actions())
            EXPECT_EQ(a->isSeparator(), a->objectName().startsWith("sep")) << a->objectName().toStdString();
    }
}

TEST_F(WindowStartTest, FileCommandsEnabledAsANewProjectWants) {
    Open();
    const std::vector<std::pair<const char*, bool>> enabled = {
        {"mnuNew", true},   {"mnuOpen", true},   {"mnuClose", false}, {"mnuSave", false},
        {"mnuSaveAs", false}, {"mnuPrint", false}, {"mnuExit", true},  {"mnuAbout", true}};
    for (const auto& [name, on] : enabled) EXPECT_EQ(Action(name)->isEnabled(), on) << name;
}

TEST_F(WindowStartTest, ProjectListIsATwoColumnReportWithHalfWidthColumns) {
    Open();
    auto* list = Find<QTreeWidget>("lstPrjList");
    ASSERT_EQ(list->columnCount(), 2);
    EXPECT_EQ(list->headerItem()->text(0), "FileName");
    EXPECT_EQ(list->headerItem()->text(1), "FilePath");
    // Half of 3615 twips each: 1807.5 twips, 120.5 pixels.
    EXPECT_EQ(list->columnWidth(0), list->width() / 2);
    EXPECT_EQ(list->columnWidth(1), list->width() / 2);
    EXPECT_EQ(list->columnWidth(0), 120);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(list->header()->isHidden());
}

TEST_F(WindowStartTest, BrowserOpensOnTheStartDirectoryWithWebPages) {
    site.Write("index.htm", "x");
    site.Write("Page.HTML", "x");
    site.Write("logo.gif", "x");
    site.MakeDir("images");
    Open();
    EXPECT_EQ(FileRows(), QStringList({"index.htm", "Page.HTML"}));
    EXPECT_TRUE(TreeRows().contains("images"));
    auto* combo = Find<QComboBox>("Combo1");
    EXPECT_TRUE(combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    EXPECT_EQ(items, QStringList({"*.*", "*.HTM;*.HTML", "*.GIF;*.JPG;*.BMP"}));
    EXPECT_EQ(Find<QListWidget>("filList")->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(WindowStartTest, AboutShowsTheTitleText) {
    prompter.AnswerMessage(Answer::OK);
    Open();
    Menu("mnuAbout");
    ASSERT_EQ(prompter.Messages().size(), 1u);
    const Message m = prompter.Messages()[0];
    EXPECT_EQ(m.text, kTitleText);
    EXPECT_EQ(m.title, "About");
    EXPECT_EQ(m.icon, Icon::Information);
    EXPECT_EQ(m.buttons, Buttons::OK);
}

// Absent keys and values that are no numbers give the defaults: the window
// stands at 3100, 2800 twips, 9900 x 4800 twips with its frame.
struct DefaultCase {
    const char* label;
    QStringList stored;
};

void PrintTo(const DefaultCase& c, std::ostream* os) { *os << c.label; }

class DefaultPlacementTest : public WindowTest, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(DefaultPlacementTest, WindowStandsAtTheDefaults) {
    StorePlacement(GetParam().stored);
    Open();
    EXPECT_EQ(gui->frameGeometry(), Pixels(3100, 2800, 9900, 4800));
}

const DefaultCase kDefaults[] = {
    {"Absent", {}},
    {"NotNumbers", {"left", "12px", "", "4800.5"}},
    {"SizesNotPositive", {"3100", "2800", "0", "-15"}},
};

INSTANTIATE_TEST_SUITE_P(Store, DefaultPlacementTest, ::testing::ValuesIn(kDefaults),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace lumafold::test
