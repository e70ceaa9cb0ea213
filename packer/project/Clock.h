// The present moment and its time stamp text. The clock is injectable so that
// tests can fix the moment; the text follows the C library's LC_TIME locale.
#pragma once

#include <ctime>
#include <string>

namespace lumafold {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::time_t Now() const = 0;
};

class SystemClock final : public Clock {
public:
    std::time_t Now() const override { return std::time(nullptr); }
};

// The default date-and-time text of the user's locale: "%x %X" of the local
// time, the date alone at exactly 00:00:00.
std::string TimeStampText(std::time_t moment);

inline std::string TimeStampText(const Clock& clock) { return TimeStampText(clock.Now()); }

} // namespace lumafold
