// The present moment and its time stamp text. The clock is injectable so that
// tests can fix the moment and the locale's text of it; the text follows the
// C library's LC_TIME locale.
#pragma once

#include <ctime>
#include <string>

namespace lumafold {

// The default date-and-time text of the user's locale: "%x %X" of the local
// time, the date alone at exactly 00:00:00.
std::string LocaleTimeText(std::time_t moment);

// The same in the C locale's format, which every code page can hold.
std::string CLocaleTimeText(std::time_t moment);

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::time_t Now() const = 0;
    // The locale's text of a moment.
    virtual std::string LocaleText(std::time_t moment) const { return LocaleTimeText(moment); }
};

class SystemClock final : public Clock {
public:
    std::time_t Now() const override { return std::time(nullptr); }
};

// The time stamp text that the project file, the AWL source and the report
// hold: the locale's text exactly as produced when the files' code page can
// hold it, else the C locale's text of the same moment. So a stamp never
// stops a project from being saved.
std::string TimeStampText(const Clock& clock);
std::string TimeStampText(std::time_t moment);

} // namespace lumafold
