// The window placement in the settings store: read at start-up, written at
// shut-down unless minimised, as decimal twips of the window with its frame.
#include "WindowFixture.h"

#include <QScreen>
#include <QTest>

namespace lumafold::test {
namespace {

class PlacementTest : public WindowTest {
protected:
    QStringList Stored() const {
        auto store = FreshStore();
        store->beginGroup("Settings");
        QStringList values;
        for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            values << store->value(key, "absent").toString();
        return values;
    }
    void OpenAndClose() {
        Open();
        Close();
    }
};

TEST_F(PlacementTest, StoredPlacementIsWhereTheWindowStands) {
    StorePlacement({"1500", "1200", "10500", "5250"});
    Open();
    EXPECT_EQ(gui->frameGeometry(), QRect(100, 80, 700, 350));
}

TEST_F(PlacementTest, CloseStoresTheFramePlacementAsDecimalTwips) {
    Open();
    gui->move(300, 150);
    gui->resize(gui->size() + QSize(45, 30));
    const QRect frame = gui->frameGeometry();
    Close();
    EXPECT_EQ(Stored(), QStringList({"4500", "2250", QString::number(frame.width() * 15),
                                      QString::number(frame.height() * 15)}));
    const std::string text = ReadFile(StoreFile());
    EXPECT_NE(text.find("[Settings]"), std::string::npos) << text;
    EXPECT_NE(text.find("MainLeft=4500"), std::string::npos) << text;
}

TEST_F(PlacementTest, WindowDoesNotGrowByItsFrameFromStartToStart) {
    StorePlacement({"1500", "1200", "10500", "5250"});
    for (int start = 1; start <= 3; ++start) {
        OpenAndClose();
        EXPECT_EQ(Stored(), QStringList({"1500", "1200", "10500", "5250"})) << "after start " << start;
    }
}

TEST_F(PlacementTest, DefaultsComeBackAsTheyStood) {
    OpenAndClose();
    // 3100 and 2800 twips lie between pixels; the window stands on the nearest.
    const QStringList first = Stored();
    EXPECT_EQ(first, QStringList({"3105", "2805", "9900", "4800"}));
    OpenAndClose();
    EXPECT_EQ(Stored(), first);
}

TEST_F(PlacementTest, MinimisedCloseKeepsTheStoredPlacement) {
    StorePlacement({"1500", "1200", "10500", "5250"});
    Open();
    gui->move(400, 300);
    gui->showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(gui->isMinimized());
    Close();
    EXPECT_EQ(Stored(), QStringList({"1500", "1200", "10500", "5250"}));
}

TEST_F(PlacementTest, MinimisedCloseOnAnEmptyStoreWritesNothing) {
    Open();
    gui->showMinimized();
    QCoreApplication::processEvents();
    Close();
    EXPECT_EQ(Stored(), QStringList({"absent", "absent", "absent", "absent"}));
}

TEST_F(PlacementTest, PlacementOffEveryScreenComesBackOnTheDefaults) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    StorePlacement({QString::number((screen.right() + 200) * 15), "1200", "10500", "5250"});
    Open();
    EXPECT_EQ(gui->frameGeometry(), QRect(Px(3100), Px(2800), Px(9900), Px(4800)));
}

TEST_F(PlacementTest, ExitClosesTheWindowAndStoresThePlacement) {
    StorePlacement({"1500", "1200", "10500", "5250"});
    Open();
    gui->move(150, 90);
    Menu("mnuExit");
    EXPECT_FALSE(gui->isVisible());
    gui.reset();
    EXPECT_EQ(Stored(), QStringList({"2250", "1350", "10500", "5250"}));
}

} // namespace
} // namespace lumafold::test
