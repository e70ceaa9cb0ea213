#include "TimerSchedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The waits of the first two intervals, and where a tick fell due.
std::vector<unsigned> Waits(TimerSchedule& schedule, std::vector<bool>& due)
{
    std::vector<unsigned> waits;
    for (int ticks = 0; ticks < 2;) {
        waits.push_back(schedule.NextWait());
        due.push_back(schedule.WaitEnded());
        ticks += due.back() ? 1 : 0;
    }
    return waits;
}

TEST(TimerSchedule, RaisesShortIntervalsAndWaitsLongOnesInSteps)
{
    const unsigned kMax = 0x7FFFFFFF;
    const struct {
        unsigned elapse, longest;
        unsigned interval;
        std::vector<unsigned> waits;
        std::vector<bool> due;
    } cases[] = {
        {0, kMax, 10, {10, 10}, {true, true}},
        {1, kMax, 10, {10, 10}, {true, true}},
        {10, kMax, 10, {10, 10}, {true, true}},
        {100, kMax, 100, {100, 100}, {true, true}},
        {kMax, kMax, kMax, {kMax, kMax}, {true, true}},
        // Speed -1, widened with its sign.
        {4294967295u, kMax, 4294967295u, {kMax, kMax, 1, kMax, kMax, 1}, {false, false, true, false, false, true}},
        {50, 20, 50, {20, 20, 10, 20, 20, 10}, {false, false, true, false, false, true}},
        {40, 20, 40, {20, 20, 20, 20}, {false, true, false, true}},
    };
    for (const auto& c : cases) {
        TimerSchedule schedule(c.elapse, 10, c.longest);
        EXPECT_EQ(schedule.Interval(), c.interval) << c.elapse;
        std::vector<bool> due;
        EXPECT_EQ(Waits(schedule, due), c.waits) << c.elapse;
        EXPECT_EQ(due, c.due) << c.elapse;
    }
}

} // namespace
