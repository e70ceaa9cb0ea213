// The file list's pattern: wildcard patterns split at ";", any of them
// matching, letters compared without regard to case.
#include "FilterPattern.h"

#include <gtest/gtest.h>

#include <ostream>

namespace lumafold::test {
namespace {

struct MatchCase {
    const char* pattern;
    const char* name;
    bool shown;
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << '"' << c.pattern << "\" on \"" << c.name << '"'; }

class FilterPatternTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FilterPatternTest, NameShownWhenAnyPatternMatches) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(FilterPattern(c.pattern).Matches(c.name), c.shown);
}

const MatchCase kCases[] = {
    // "*.*" names every file, also one without a dot.
    {"*.*", "index.htm", true},
    {"*.*", "README", true},
    // The three items of Combo1.
    {"*.HTM;*.HTML", "index.htm", true},
    {"*.HTM;*.HTML", "INDEX.HTM", true},
    {"*.HTM;*.HTML", "Page.Html", true},
    {"*.HTM;*.HTML", "page.htmx", false},
    {"*.HTM;*.HTML", "page.txt", false},
    {"*.HTM;*.HTML", "htm", false},
    {"*.GIF;*.JPG;*.BMP", "logo.gif", true},
    {"*.GIF;*.JPG;*.BMP", "PHOTO.JPG", true},
    {"*.GIF;*.JPG;*.BMP", "icon.Bmp", true},
    {"*.GIF;*.JPG;*.BMP", "photo.jpeg", false},
    {"*.GIF;*.JPG;*.BMP", "index.htm", false},
    // Typed patterns.
    {"*.TXT", "notes.txt", true},
    {"*.T", "notes.txt", false},
    {" *.htm ; *.gif ", "logo.gif", true},
    {"*.htm;;*.gif", "logo.gif", true},
    {"page?.htm", "page1.htm", true},
    {"page?.htm", "page10.htm", false},
    {"*", "anything at all", true},
    {"index.htm", "INDEX.HTM", true},
    {"index.htm", "index.html", false},
    // Nothing to match with: nothing shown.
    {"", "index.htm", false},
    {";", "index.htm", false},
    {" ", "index.htm", false},
};

INSTANTIATE_TEST_SUITE_P(Patterns, FilterPatternTest, ::testing::ValuesIn(kCases));

TEST(FilterPatternDefault, ShowsEveryFile) {
    EXPECT_TRUE(FilterPattern().Matches("a.b"));
    EXPECT_TRUE(FilterPattern().Matches("noext"));
}

} // namespace
} // namespace lumafold::test
