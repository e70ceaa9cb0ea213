// Time stamp text follows the C library's locale; the tests run in the "C"
// locale and the UTC zone so that the expected texts are fixed. Real locales
// whose text the code page cannot hold are built from the system's locale
// sources into the build tree when the machine does not have them.
#include "FixedClock.h"
#include "FixedLocale.h"
#include "Clock.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

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

TEST_F(TimeStamp, LocaleTextTheCodePageHoldsIsKeptAsProduced) {
    test::FixedClock clock;
    for (const char* text : {"14.11.2023 22:13:20", "14/11/2023 22:13:20", "14 d\xC3\xA9" "c. 2023 22:13:20"}) {
        clock.SetLocaleText(text);
        EXPECT_EQ(TimeStampText(clock), text);
    }
}

TEST_F(TimeStamp, OtherLocaleTextGivesWayToTheCLocaleText) {
    test::FixedClock clock;
    clock.SetLocaleText("14/11/2023 10:13:20 \xCE\xBC\xCE\xBC");
    EXPECT_EQ(TimeStampText(clock), "11/14/23 22:13:20");
    clock.Set(1700000000 - 22 * 3600 - 13 * 60 - 20);  // midnight: the date alone there too
    EXPECT_EQ(TimeStampText(clock), "11/14/23");
}

// A real locale: the machine's own, or one built with localedef into the
// build tree (kept there for the next run).
class RealLocale : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override {
        ::unsetenv("LOCPATH");
        ::lumafold::test::UseUtcAndCLocale();
    }
    // Switches LC_TIME to name; false with the reason when it cannot be had.
    static bool Use(const std::string& name, std::string& why) {
        ::lumafold::test::UseUtcAndCLocale();
        if (std::setlocale(LC_TIME, name.c_str())) return true;
        const std::string cache = LUMAFOLD_LOCALE_CACHE;
        const std::string source = name.substr(0, name.find('.'));
        if (!std::filesystem::exists("/usr/share/i18n/locales/" + source)) {
            why = "the machine has neither " + name + " nor its locale source (Debian package locales)";
            return false;
        }
        std::error_code ec;
        std::filesystem::create_directories(cache, ec);
        if (!std::filesystem::exists(cache + "/" + name)) {
            const std::string command = "localedef -i " + source + " -f UTF-8 " + cache + "/" + name + " 2>/dev/null";
            const int status = std::system(command.c_str());
            if (status == -1 || !WIFEXITED(status) || !std::filesystem::exists(cache + "/" + name)) {
                why = "localedef could not build " + name;
                return false;
            }
        }
        ::setenv("LOCPATH", cache.c_str(), 1);
        if (std::setlocale(LC_TIME, name.c_str())) return true;
        why = name + " was built but cannot be used";
        return false;
    }
};

TEST_P(RealLocale, TextTheCodePageCannotHoldBecomesTheCLocaleText) {
    std::string why;
    if (!Use(GetParam(), why)) GTEST_SKIP() << why;
    const std::time_t afternoon = 1700000000 - 8 * 3600;  // 14:13:20 UTC, "μμ" in Greek
    const std::string own = LocaleTimeText(afternoon);
    ASSERT_NE(own, CLocaleTimeText(afternoon)) << "the locale did not take effect";
    EXPECT_EQ(TimeStampText(afternoon), "11/14/23 14:13:20") << own;
    EXPECT_EQ(TimeStampText(test::FixedClock(afternoon)), "11/14/23 14:13:20");
}

INSTANTIATE_TEST_SUITE_P(Locales, RealLocale, ::testing::Values("ja_JP.UTF-8", "el_GR.UTF-8"),
                         [](const auto& info) { return std::string(info.param).substr(0, 5); });

} // namespace
} // namespace lumafold
