#include "ControlWidget.h"
#include "QtWindowSystem.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A window that notes, at each tick, how many waits of its clock the spy has heard.
struct TickCounter final : IWindowProc {
    LRESULT WindowProc(MSGID message, WPARAM, LPARAM) override
    {
        if (message == WM_TIMER)
            waitsBeforeTick.push_back(spy != nullptr ? spy->count() : -1);
        return 0;
    }
    QSignalSpy* spy = nullptr;
    std::vector<qsizetype> waitsBeforeTick;
};

TEST(QtWindowSystem, TimersRunNoFasterThanEveryTenMilliseconds)
{
    QWidget parent;
    QtWindowSystem windows(parent);
    TickCounter counter;
    HWND hwnd = windows.CreateChildWindow(&counter, RECT{0, 0, 32, 32});
    const struct { unsigned elapse; int interval; } cases[] = {
        {0, 10}, {1, 10}, {9, 10}, {10, 10}, {250, 250}, {0x7FFFFFFF, 0x7FFFFFFF}, {4294967295u, 0x7FFFFFFF}};
    for (const auto& c : cases) {
        ASSERT_TRUE(windows.SetTimer(hwnd, 1, c.elapse));
        const QTimer* clock = windows.TimerClock(hwnd, 1);
        ASSERT_NE(clock, nullptr);
        EXPECT_EQ(clock->interval(), c.interval) << c.elapse;
        EXPECT_TRUE(clock->isActive());
    }
    EXPECT_TRUE(windows.KillTimer(hwnd, 1));
    EXPECT_EQ(windows.TimerClock(hwnd, 1), nullptr);
}

TEST(QtWindowSystem, AnIntervalBeyondOneWaitTicksAfterAllItsWaits)
{
    QWidget parent;
    QtWindowSystem windows(parent, 20);
    TickCounter counter;
    HWND hwnd = windows.CreateChildWindow(&counter, RECT{0, 0, 32, 32});
    ASSERT_TRUE(windows.SetTimer(hwnd, 7, 50));
    QSignalSpy spy(windows.TimerClock(hwnd, 7), &QTimer::timeout);
    counter.spy = &spy;
    QTRY_COMPARE_WITH_TIMEOUT(counter.waitsBeforeTick.size(), std::size_t{2}, 10000);
    // Waits of 20, 20 and 10 ms make one interval; the window system hears each
    // wait before the spy does, so the first tick comes with two waits counted.
    EXPECT_EQ(counter.waitsBeforeTick, (std::vector<qsizetype>{2, 5}));
    windows.DestroyWindow(hwnd);
    EXPECT_EQ(windows.TimerClock(hwnd, 7), nullptr);
}

} // namespace
