// A clock that stands still at a moment the test sets, so that time stamp
// texts are known in advance.
#pragma once

#include "Clock.h"

namespace lumafold::test {

class FixedClock final : public Clock {
public:
    explicit FixedClock(std::time_t moment = 1700000000) : moment_(moment) {}
    std::time_t Now() const override { return moment_; }
    void Set(std::time_t moment) { moment_ = moment; }
    void Advance(std::time_t seconds) { moment_ += seconds; }

private:
    std::time_t moment_;
};

} // namespace lumafold::test
