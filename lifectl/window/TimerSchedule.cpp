#include "TimerSchedule.h"

#include <algorithm>

TimerSchedule::TimerSchedule(unsigned elapse, unsigned shortest, unsigned longestWait)
    : m_interval(std::max(elapse, shortest)), m_longestWait(std::max(longestWait, 1u)), m_left(m_interval)
{
}

unsigned TimerSchedule::NextWait() const
{
    return std::min(m_left, m_longestWait);
}

bool TimerSchedule::WaitEnded()
{
    m_left -= NextWait();
    if (m_left != 0)
        return false;
    m_left = m_interval;
    return true;
}
