#include "ControlWidget.h"
#include "HostWindow.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>

namespace {

class HostWindowTest : public ::testing::Test {
protected:
    HostWindowTest()
    {
        registry = std::filesystem::temp_directory_path() / ("cellora-host-" + std::to_string(::getpid()));
        std::filesystem::remove(registry);
        ::setenv("CELLORA_REGISTRY", registry.c_str(), 1);
    }
    ~HostWindowTest() override
    {
        std::filesystem::remove(registry);
        ::unsetenv("CELLORA_REGISTRY");
    }
    std::filesystem::path registry;
};

TEST_F(HostWindowTest, RegistersFindsCreatesAndRunsTheControl)
{
    HostWindow window(CELLORA_OCX_PATH);
    auto* status = window.findChild<QLabel*>("lblStatus");
    EXPECT_FALSE(window.CreateControl("CELLORA.GameOfLifeCtrl.1"));
    EXPECT_TRUE(status->text().contains("not registered"));

    QMenu* server = window.findChild<QMenu*>("mnuServer");
    ASSERT_NE(server, nullptr);
    server->actions().at(0)->trigger();
    ASSERT_EQ(window.findChild<QListWidget*>("lstControls")->count(), 1);

    ASSERT_TRUE(window.CreateControl("CELLORA.GameOfLifeCtrl.1"));
    auto* widget = window.findChild<ControlWidget*>("GameOfLifeWindow");
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->Surface().GetPixel(15 * 8 + 3, 12 * 8 + 3), RGB(255, 255, 0));
    window.findChild<QSpinBox*>("txtSpeed")->setValue(5);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdSetSpeed"), Qt::LeftButton);
    ASSERT_EQ(window.InvokeMethod(2), S_OK);
    // The line turns into a block of three rows by the first tick.
    QTRY_COMPARE_WITH_TIMEOUT(widget->Surface().GetPixel(16 * 8 + 3, 11 * 8 + 3), RGB(255, 255, 0), 5000);
    EXPECT_EQ(window.InvokeMethod(3), S_OK);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(17, 99));
    EXPECT_EQ(widget->Surface().GetPixel(2 * 8 + 3, 12 * 8 + 3), RGB(255, 255, 0));
    window.ReleaseControl();
    server->actions().at(1)->trigger();
    EXPECT_EQ(window.findChild<QListWidget*>("lstControls")->count(), 0);
}

TEST_F(HostWindowTest, ControlListShowsEachNameWhole)
{
    HostWindow window(CELLORA_OCX_PATH);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.findChild<QMenu*>("mnuServer")->actions().at(0)->trigger();
    auto* list = window.findChild<QListWidget*>("lstControls");
    ASSERT_EQ(list->count(), 1);
    QApplication::processEvents();
    const QString name = list->item(0)->text();
    EXPECT_EQ(name, "GameOfLife Control (CELLORA.GameOfLifeCtrl.1)");
    EXPECT_LE(list->fontMetrics().horizontalAdvance(name), list->viewport()->width());
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    window.findChild<QMenu*>("mnuServer")->actions().at(1)->trigger();
}

// A registry that cannot be read: the host says which file and why, both
// for its empty list and for Create, and keeps running.
TEST_F(HostWindowTest, SaysWhyItListsNothingWhenTheRegistryCannotBeRead)
{
    std::filesystem::create_directory(registry);
    HostWindow window(CELLORA_OCX_PATH);
    auto* status = window.findChild<QLabel*>("lblStatus");
    const QString why = "The registry file " + QString::fromStdString(registry.string())
        + " cannot be read: it is a directory, not a plain file.";
    EXPECT_EQ(status->text(), why + " No control is listed.");
    EXPECT_EQ(window.findChild<QListWidget*>("lstControls")->count(), 0);
    EXPECT_FALSE(window.CreateControl("CELLORA.GameOfLifeCtrl.1"));
    EXPECT_EQ(status->text(), why);
    std::filesystem::remove(registry);
}

} // namespace

int main(int argc, char** argv)
{
    // Listing the tests happens without the test's environment, and needs no screen either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
