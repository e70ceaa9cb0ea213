// A clock that stands still at a moment the test sets, so that time stamp
// texts are known in advance; it can also speak for a locale the machine
// lacks, by giving the text that locale would produce.
#pragma once

#include "Clock.h"

#include <optional>
#include <string>

namespace lumafold::test {

class FixedClock final : public Clock {
public:
    explicit FixedClock(std::time_t moment = 1700000000) : moment_(moment) {}
    std::time_t Now() const override { return moment_; }
    std::string LocaleText(std::time_t moment) const override { return text_ ? *text_ : Clock::LocaleText(moment); }
    void Set(std::time_t moment) { moment_ = moment; }
    void Advance(std::time_t seconds) { moment_ += seconds; }
    // The locale's text from now on, whatever the moment.
    void SetLocaleText(std::string text) { text_ = std::move(text); }

private:
    std::time_t moment_;
    std::optional<std::string> text_;
};

} // namespace lumafold::test
