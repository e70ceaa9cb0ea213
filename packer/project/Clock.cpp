#include "Clock.h"

namespace lumafold {

std::string TimeStampText(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    const bool midnight = local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0;
    char buf[128];
    const size_t n = std::strftime(buf, sizeof buf, midnight ? "%x" : "%x %X", &local);
    return std::string(buf, n);
}

} // namespace lumafold
