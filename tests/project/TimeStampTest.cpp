// Time stamp text follows the C library's locale; the tests run in the "C"
// locale and the UTC zone so that the expected texts are fixed.
#include "FixedLocale.h"
#include "Clock.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

namespace lumafold {
namespace {

class TimeStamp : public ::testing::Test {
protected:
    void SetUp() override {
        ::lumafold::test::UseUtcAndCLocale();
    }
};

TEST_F(TimeStamp, DateAndTimeInTheLocaleFormat) {
    EXPECT_EQ(TimeStampText(1700000000), "11/14/23 22:13:20");
    EXPECT_EQ(TimeStampText(1700000000 - 22 * 3600 - 13 * 60 - 19), "11/14/23 00:00:01");
}

TEST_F(TimeStamp, DateAloneAtMidnight) {
    EXPECT_EQ(TimeStampText(1700000000 - 22 * 3600 - 13 * 60 - 20), "11/14/23");
}

} // namespace
} // namespace lumafold
