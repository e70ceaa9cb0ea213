#include "ControlFixture.h"

#include <limits>

namespace {

using TimerCall = HeadlessWindowSystem::TimerCall;

class ControlRunState : public ControlFixture {};

TEST_F(ControlRunState, StartsStoppedWithSpeed100)
{
    EXPECT_EQ(GetSpeed(), 100);
    EXPECT_EQ(TimerCallCount(), 0u);
    EXPECT_EQ(control->Board().GetGeneration(), 0);
}

TEST_F(ControlRunState, StartLifeTwiceSetsOneTimer)
{
    StartLife();
    StartLife();
    ASSERT_EQ(TimerCallCount(), 1u);
    const TimerCall call = windows.TimerCalls()[0];
    EXPECT_TRUE(call.set);
    EXPECT_EQ(call.hwnd, hwnd);
    EXPECT_EQ(call.id, 1u);
    EXPECT_EQ(call.elapse, 100u);
}

TEST_F(ControlRunState, StopLifeWhenStoppedDoesNothing)
{
    StopLife();
    EXPECT_EQ(TimerCallCount(), 0u);
}

TEST_F(ControlRunState, TicksAdvanceAndRepaintUntilStopped)
{
    StartLife();
    EXPECT_EQ(windows.FireTimers(), 1);
    EXPECT_EQ(windows.FireTimers(), 1);
    EXPECT_EQ(control->Board().GetGeneration(), 2);
    EXPECT_EQ(windows.PaintCount(), 2);
    StopLife();
    EXPECT_EQ(windows.FireTimers(), 0);
    StartLife();
    windows.FireTimers();
    EXPECT_EQ(control->Board().GetGeneration(), 3);
}

TEST_F(ControlRunState, SpeedWrittenWhileRunningRestartsTheTimer)
{
    StartLife();
    windows.FireTimers();
    ASSERT_EQ(PutSpeed(250), S_OK);
    ASSERT_EQ(TimerCallCount(), 3u);
    EXPECT_FALSE(windows.TimerCalls()[1].set);
    EXPECT_TRUE(windows.TimerCalls()[2].set);
    EXPECT_EQ(windows.TimerCalls()[2].elapse, 250u);
    EXPECT_EQ(windows.TimerCount(), 1u);
    EXPECT_EQ(control->Board().GetGeneration(), 1);
    EXPECT_EQ(GetSpeed(), 250);
}

TEST_F(ControlRunState, SpeedWrittenWhileStoppedOnlyTakesEffectAtStart)
{
    ASSERT_EQ(PutSpeed(30), S_OK);
    EXPECT_EQ(TimerCallCount(), 0u);
    EXPECT_EQ(GetSpeed(), 30);
    StartLife();
    EXPECT_EQ(windows.TimerCalls().back().elapse, 30u);
}

TEST_F(ControlRunState, SpeedIsWidenedWithItsSign)
{
    const struct { short speed; unsigned interval; } cases[] = {
        {0, 0u}, {-1, 4294967295u}, {std::numeric_limits<short>::max(), 32767u}, {-32768, 4294934528u}};
    for (const auto& c : cases) {
        StopLife();
        ASSERT_EQ(PutSpeed(c.speed), S_OK);
        StartLife();
        EXPECT_EQ(windows.TimerCalls().back().elapse, c.interval) << c.speed;
    }
}

TEST_F(ControlRunState, RightPressStartsAStoppedControlAndChangesNothingOnARunningOne)
{
    Press(WM_RBUTTONDOWN, 5, 5);
    ASSERT_EQ(TimerCallCount(), 1u);
    const int paints = windows.PaintCount();
    Press(WM_RBUTTONDOWN, 5, 5);
    EXPECT_EQ(TimerCallCount(), 1u);
    EXPECT_EQ(windows.PaintCount(), paints);
    EXPECT_EQ(control->Board().GetGeneration(), 0);
    EXPECT_FALSE(control->Board().IsAlive(0, 0));
}

TEST_F(ControlRunState, ResetStopsAndRestoresSpeed)
{
    ASSERT_EQ(PutSpeed(20), S_OK);
    StartLife();
    windows.FireTimers();
    ASSERT_EQ(control->InitNew(), S_OK);
    EXPECT_EQ(GetSpeed(), 100);
    // A reset control must not keep ticking where no StopLife could reach it.
    EXPECT_EQ(windows.FireTimers(), 0);
    EXPECT_EQ(control->Board().GetGeneration(), 1);
    StartLife();
    EXPECT_EQ(windows.TimerCalls().back().elapse, 100u);
}

TEST_F(ControlRunState, NoTickReachesADestroyedControl)
{
    StartLife();
    control->Release();
    control = nullptr;
    EXPECT_FALSE(windows.IsWindow(hwnd));
    EXPECT_EQ(windows.TimerCount(), 0u);
    EXPECT_EQ(windows.FireTimers(), 0);
    EXPECT_EQ(site.References(), 0u);
    EXPECT_EQ(module.m_nObjectCount, 0);
}

TEST_F(ControlRunState, WithoutAWindowNoTicksArriveButStopAndStartAskAgain)
{
    control->SetClientSite(nullptr);
    StartLife();
    EXPECT_EQ(windows.TimerCount(), 0u);
    control->SetClientSite(&site);
    control->GetWindow(&hwnd);
    StopLife();
    StartLife();
    EXPECT_EQ(windows.FireTimers(), 1);
}

} // namespace
