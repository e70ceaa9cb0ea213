#pragma once
// How a window system keeps one window timer on a clock of its own: the
// interval asked for is raised to the platform's shortest, and an interval
// longer than the clock's longest single wait is waited out in several waits,
// so that it is neither cut short nor run flat out.
class TimerSchedule {
public:
    TimerSchedule(unsigned elapse, unsigned shortest, unsigned longestWait);

    // The interval between two ticks, after raising it to the shortest.
    unsigned Interval() const { return m_interval; }
    // The wait to start now: the rest of the current interval, at most the longest wait.
    unsigned NextWait() const;
    // Called when a wait is over: true when the interval is complete and a tick
    // is due; the next wait then starts the following interval.
    bool WaitEnded();

private:
    unsigned m_interval;
    unsigned m_longestWait;
    unsigned m_left; // of the current interval
};
