// The Print command on the workbench: the print dialog and its retries, the
// font and paper checks, the page figures and what reaches the printer.
#include "FixedClock.h"
#include "FixedLocale.h"
#include "RecordingPrinter.h"
#include "ReportPages.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "UnprivilegedScope.h"
#include "Workbench.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

namespace lumafold::test {
namespace {

// The window's event processing; a test may act in it as the person would.
class EventHooks : public WindowHooks {
public:
    void ProcessPendingEvents() override {
        ++processed;
        if (during) during();
    }
    int processed = 0;
    std::function<void()> during;
};

class PrintCommand : public ::testing::Test {
protected:
    PrintCommand() {
        UseUtcAndCLocale();
        wb.Form_Load();
        wb.SetPrinter(&printer);
    }
    void AddFiles() {
        dir.WriteSized("index.htm", 1234);
        wb.Editor().AddFile("index.htm", dir.Path());
        wb.chkVarList_Click(true);
    }
    std::vector<ReportPage> PrintedText() const {
        std::vector<ReportPage> out;
        for (const auto& page : printer.pages) {
            out.emplace_back();
            for (const DrawnLine& line : page) out.back().push_back(line.text);
        }
        return out;
    }
    std::vector<ReportPage> Expected() {
        const TableOutcome table = CollectTable(wb.Prj());
        EXPECT_TRUE(table.ok);
        return LayoutReport(wb.Prj(), table.table, ComputeFigures({560, 806, 5.4, 10.2}));
    }
    size_t PrintDialogs() const {
        size_t n = 0;
        for (const Prompt& p : prompter.Log()) n += p.kind == Prompt::Kind::Print;
        return n;
    }

    ScriptedPrompter prompter;
    FixedClock clock;
    EventHooks hooks;
    Workbench wb{prompter, clock, hooks, "/opt/lumafold/"};
    RecordingPrinter printer;
    TempDir dir;
};

TEST_F(PrintCommand, PrintsTheReportLineByLineInTheReportFont) {
    AddFiles();
    const std::string stamp = wb.Prj().PRJTimeStamp;
    prompter.AnswerPrint(true);
    wb.mnuPrint_Click();

    ASSERT_EQ(prompter.Log().size(), 1u);
    EXPECT_EQ(prompter.Log()[0].print.Flags, 1048588u);
    EXPECT_EQ(hooks.processed, 1);
    EXPECT_EQ(printer.requestedFont, "Courier New");
    EXPECT_EQ(printer.fontPoints, 9);
    EXPECT_FALSE(printer.bold);
    EXPECT_EQ(PrintedText(), Expected());
    const std::vector<DrawnLine>& page = printer.pages.at(0);
    for (size_t i = 0; i < page.size(); ++i) {
        EXPECT_EQ(page[i].x, 0);
        EXPECT_DOUBLE_EQ(page[i].y, 10.2 * static_cast<double>(i));
    }
    const std::string path = dir.File("index.htm");
    ASSERT_LE(path.size(), 67u);
    EXPECT_EQ(page.at(14).text, "      " + path + std::string(67 - path.size(), ' ') + "  901    1334");
    EXPECT_EQ(printer.ended, 1);
    EXPECT_TRUE(wb.Prj().modified);
    EXPECT_EQ(wb.Prj().PRJTimeStamp, stamp);
    EXPECT_FALSE(wb.Busy());
}

TEST_F(PrintCommand, CancellingTheDialogPrintsNothing) {
    AddFiles();
    prompter.AnswerPrint(false);
    wb.mnuPrint_Click();
    EXPECT_EQ(printer.a4Requests, 0);
    EXPECT_TRUE(printer.pages.empty());
    EXPECT_EQ(printer.ended, 0);
    EXPECT_EQ(hooks.processed, 0);
}

TEST_F(PrintCommand, APrinterWithoutA4OrTheFontBringsTheDialogBackThreeTimesInAll) {
    struct Case {
        const char* what;
        std::function<void(RecordingPrinter&)> setUp;
        size_t dialogs;
        bool prints;
    };
    const std::vector<Case> cases = {
        {"A4 refused", [](RecordingPrinter& p) { p.refuseA4 = 3; }, 3, false},
        {"Letter read back", [](RecordingPrinter& p) { p.reportLetter = 3; }, 3, false},
        {"proportional font",
         [](RecordingPrinter& p) {
             p.family = "DejaVu Sans";
             p.fixedPitch = false;
         },
         3, false},
        {"A4 on the third try", [](RecordingPrinter& p) { p.refuseA4 = 2; }, 3, true},
        {"Letter once", [](RecordingPrinter& p) { p.reportLetter = 1; }, 2, true},
        {"fixed-pitch stand-in", [](RecordingPrinter& p) { p.family = "Liberation Mono"; }, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPrompter person;
        EventHooks events;
        Workbench bench{person, clock, events, "/opt/lumafold/"};
        RecordingPrinter device;
        c.setUp(device);
        bench.Form_Load();
        bench.SetPrinter(&device);
        for (size_t i = 0; i < c.dialogs; ++i) person.AnswerPrint(true);
        bench.mnuPrint_Click();
        EXPECT_EQ(person.Log().size(), c.dialogs);  // no message either way
        EXPECT_EQ(events.processed, static_cast<int>(c.dialogs));
        EXPECT_EQ(device.pages.empty(), !c.prints);
        EXPECT_EQ(device.ended, c.prints ? 1 : 0);
    }
}

TEST_F(PrintCommand, AFileThatCannotBeReadIsNamedAndNothingIsPrinted) {
    AddFiles();
    const std::string path = dir.File("index.htm");
    ::chmod(path.c_str(), 0);
    ::chmod(dir.Path().c_str(), 0755);
    prompter.AnswerMessage(Answer::OK);
    {
        UnprivilegedScope asUser;
        wb.mnuPrint_Click();
    }
    ASSERT_EQ(prompter.Log().size(), 1u);
    const Message m = prompter.Messages().at(0);
    EXPECT_EQ(m.text, "File \"" + path + "\" can't be read: Permission denied ");
    EXPECT_EQ(m.icon, Icon::Error);
    EXPECT_EQ(m.title, "Can't print");
    EXPECT_TRUE(printer.pages.empty());
}

TEST_F(PrintCommand, APageTooSmallForTheReportIsToldAndDropped) {
    AddFiles();
    printer.device.pageWidth = 40 + 5.4 * 48;  // 48 columns: W would be 12
    prompter.AnswerPrint(true).AnswerMessage(Answer::OK);
    wb.mnuPrint_Click();
    const Message m = prompter.Messages().at(0);
    EXPECT_EQ(m.text, "The page is too small for the report: it holds 48 columns and 79 lines, "
                      "the report needs at least 49 columns and 17 lines ");
    EXPECT_EQ(m.title, "Can't print");
    EXPECT_EQ(printer.aborted, 1);
    EXPECT_TRUE(printer.pages.empty());
    EXPECT_EQ(printer.ended, 0);
}

TEST_F(PrintCommand, AJobThePrinterDoesNotTakeIsToldNotPassedOff) {
    AddFiles();
    printer.jobFails = true;
    prompter.AnswerPrint(true).AnswerMessage(Answer::OK);
    wb.mnuPrint_Click();
    EXPECT_EQ(prompter.Messages().at(0).text, "The report could not be printed: the printer did not take the job ");
    EXPECT_EQ(prompter.Messages().at(0).title, "Can't print");
}

TEST_F(PrintCommand, EventsDuringPrintingCannotChangeTheProject) {
    AddFiles();
    const std::vector<ReportPage> before = Expected();
    hooks.during = [this] {
        EXPECT_TRUE(wb.Busy());
        wb.chkVarList_Click(false);
        wb.mnuNew_Click();
        wb.mnuPrint_Click();  // a second dialog would be an unexpected prompt
    };
    prompter.AnswerPrint(true);
    wb.mnuPrint_Click();
    EXPECT_EQ(wb.Prj().files.Count(), 5);
    EXPECT_EQ(PrintedText(), before);
}

TEST_F(PrintCommand, AnEmptyListPrintsTheBlocksAndAnEmptyTable) {
    prompter.AnswerPrint(true);
    wb.mnuPrint_Click();
    ASSERT_EQ(printer.pages.size(), 1u);
    const std::vector<DrawnLine>& page = printer.pages[0];
    ASSERT_EQ(page.size(), 14u);
    EXPECT_EQ(page[7].text, "      Datablock count:         1 (DB 900 to DB 900)");
    EXPECT_EQ(page[8].text, "      Used PLC memory:         116 bytes");
    EXPECT_EQ(page[12].text.substr(0, 20), "      Included files");
}

TEST_F(PrintCommand, WithoutAPrinterNothingHappens) {
    AddFiles();
    wb.SetPrinter(nullptr);
    wb.mnuPrint_Click();
    EXPECT_TRUE(prompter.Log().empty());
}

} // namespace
} // namespace lumafold::test
