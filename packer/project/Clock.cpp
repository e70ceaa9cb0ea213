#include "Clock.h"

#include "CodePage.h"

#include <clocale>
#include <locale.h>

namespace lumafold {
namespace {

std::string Format(std::time_t moment, locale_t locale) {
    std::tm local{};
    localtime_r(&moment, &local);
    const bool midnight = local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0;
    const char* format = midnight ? "%x" : "%x %X";
    char buf[256];
    const size_t n = locale ? strftime_l(buf, sizeof buf, format, &local, locale)
                            : std::strftime(buf, sizeof buf, format, &local);
    return std::string(buf, n);
}

std::string Chosen(std::string localeText, std::time_t moment) {
    if (FitsCodePage(localeText)) return localeText;
    return CLocaleTimeText(moment);
}

} // namespace

std::string LocaleTimeText(std::time_t moment) { return Format(moment, nullptr); }

std::string CLocaleTimeText(std::time_t moment) {
    static const locale_t c = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
    return Format(moment, c);
}

std::string TimeStampText(const Clock& clock) {
    const std::time_t moment = clock.Now();
    return Chosen(clock.LocaleText(moment), moment);
}

std::string TimeStampText(std::time_t moment) { return Chosen(LocaleTimeText(moment), moment); }

} // namespace lumafold
