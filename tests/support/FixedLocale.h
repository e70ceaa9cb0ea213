// Time stamps in tests read the same everywhere: UTC and the C locale's
// date and time format.
#pragma once

#include <clocale>
#include <cstdlib>
#include <ctime>

namespace lumafold::test {

inline void UseUtcAndCLocale() {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    std::setlocale(LC_TIME, "C");
}

} // namespace lumafold::test
