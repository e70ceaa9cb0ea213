// One time stamp text in the project file, the AWL source and the report,
// whatever the locale produces: a text the code page can hold is kept byte
// for byte, any other gives way to the C locale's text of the same moment, so
// that Save never fails on a stamp.
#include "CodePage.h"
#include "FixedClock.h"
#include "FixedLocale.h"
#include "ReportText.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "Workbench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace lumafold::test {
namespace {

struct StampCase {
    const char* label;
    const char* localeText;  // what the locale makes of 1700000000 (UTC)
    const char* stored;      // the text every file holds
};

void PrintTo(const StampCase& c, std::ostream* os) { *os << c.label; }

class StampInFilesTest : public ::testing::TestWithParam<StampCase> {
protected:
    StampInFilesTest() { UseUtcAndCLocale(); }
    static bool HasLine(const std::string& bytes, const std::string& line) {
        return bytes.find("\r\n" + line + "\r\n") != std::string::npos || bytes.starts_with(line + "\r\n");
    }
    ScriptedPrompter prompter;
    FixedClock clock;
    WindowHooks hooks;
    Workbench wb{prompter, clock, hooks, "/opt/lumafold/"};
    TempDir dir;
};

TEST_P(StampInFilesTest, ProjectFileAwlSourceAndReportHoldTheSameText) {
    clock.SetLocaleText(GetParam().localeText);
    const std::string stored = GetParam().stored;
    const std::string bytes = *ToCodePage(stored);
    wb.Form_Load();
    dir.Write("index.htm", "<html>");
    wb.Editor().AddFile("index.htm", dir.Path());
    EXPECT_EQ(wb.Prj().PRJTimeStamp, stored);

    const std::string awl = dir.File("site.AWL");
    prompter.AnswerFileDialog(FileChoice{awl, "site.AWL"}).AnswerMessage(Answer::OK);
    wb.cmdGenerate_Click();
    EXPECT_EQ(wb.Prj().AWLTimeStamp, stored);
    EXPECT_TRUE(ReadFile(awl).starts_with("// Generated with : ZALT - Lumafold V2.2 \r\n// " + bytes + "\r\n"));

    const std::string project = dir.File("site.F2D");
    prompter.AnswerFileDialog(FileChoice{project, "site.F2D"});
    wb.mnuSaveAs_Click();
    EXPECT_TRUE(prompter.Messages().size() == 1) << prompter.Messages().back().text;  // "Info" alone
    const std::string file = ReadFile(project);
    EXPECT_TRUE(HasLine(file, "AWLTimeStamp=" + bytes)) << file;
    EXPECT_TRUE(HasLine(file, "PRJTimeStamp=" + bytes)) << file;
    EXPECT_FALSE(wb.Prj().modified);

    const std::vector<std::string> title = TitleLines(wb.Prj());
    const auto holds = [&](const std::string& text) {
        return std::any_of(title.begin(), title.end(), [&](const std::string& l) { return l.ends_with(text); });
    };
    EXPECT_TRUE(holds("Last modified:  " + stored));
    EXPECT_TRUE(holds("Last compiled:  " + stored));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, StampInFilesTest,
    ::testing::Values(StampCase{"German", "14.11.2023 22:13:20", "14.11.2023 22:13:20"},
                      StampCase{"AccentTheCodePageHolds", "14 d\xC3\xA9" "c. 2023 22:13:20",
                                "14 d\xC3\xA9" "c. 2023 22:13:20"},
                      StampCase{"Greek", "14/11/2023 10:13:20 \xCE\xBC\xCE\xBC", "11/14/23 22:13:20"},
                      StampCase{"Japanese",
                                "2023\xE5\xB9\xB4" "11\xE6\x9C\x88" "14\xE6\x97\xA5 22\xE6\x99\x82" "13\xE5\x88\x86"
                                "20\xE7\xA7\x92",
                                "11/14/23 22:13:20"},
                      StampCase{"NotUtf8", "14.11.2023 22:13:20 \xFF", "11/14/23 22:13:20"}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace lumafold::test
