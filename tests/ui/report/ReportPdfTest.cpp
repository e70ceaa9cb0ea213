// Prints a real project through the workbench and the Qt printer into a PDF
// and reads every page back as text.
#include "FixedClock.h"
#include "FixedLocale.h"
#include "PageFigures.h"
#include "PrintReport.h"
#include "QtReportPrinter.h"
#include "ReportPages.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "Workbench.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace lumafold::test {
namespace {

using TextPage = std::vector<std::string>;

std::string RightTrimmed(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

// The non-empty lines of a page, trailing blanks dropped, each less indent
// leading characters: pdftotext turns vertical gaps into empty lines and
// counts columns from the paper's edge, not from the printable area.
TextPage Visible(const TextPage& page, size_t indent = 0) {
    TextPage out;
    for (const std::string& line : page)
        if (!RightTrimmed(line).empty()) out.push_back(RightTrimmed(line).substr(std::min(indent, line.size())));
    return out;
}

// pdftotext -layout of the file with columns of pitch points, one entry per page.
std::vector<TextPage> PdfText(const TempDir& dir, const std::string& pdf, double pitch) {
    const std::string txt = dir.File("report.txt");
    const std::string command =
        std::string(PDFTOTEXT) + " -layout -fixed " + std::to_string(pitch) + " '" + pdf + "' '" + txt + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<TextPage> pages(1);
    std::istringstream in(ReadFile(txt));
    for (std::string line; std::getline(in, line);) {
        for (size_t feed; (feed = line.find('\f')) != std::string::npos; line.erase(0, feed + 1)) {
            pages.back().push_back(line.substr(0, feed));
            pages.emplace_back();
        }
        pages.back().push_back(line);
    }
    while (!pages.empty() && Visible(pages.back()).empty()) pages.pop_back();
    return pages;
}

size_t LeadingBlanks(const std::string& line) { return line.find_first_not_of(' '); }

class ReportPdf : public ::testing::Test {
protected:
    ReportPdf() {
        UseUtcAndCLocale();
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(QString::fromStdString(pdf));
        // A printer's usual unprintable border of a quarter inch.
        device.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
        wb.Form_Load();
        wb.SetPrinter(&printer);
    }

    ScriptedPrompter prompter;
    FixedClock clock;
    WindowHooks hooks;
    Workbench wb{prompter, clock, hooks, "/opt/lumafold/"};
    TempDir dir;
    std::string pdf = dir.File("report.pdf");
    QPrinter device{QPrinter::HighResolution};
    QtReportPrinter printer{device};
};

TEST_F(ReportPdf, EveryPageReadsAsTheReport) {
    // 4 sites and 66 files: 63 file lines on the first page, 7 on the second.
    wb.chkVarList_Click(true);
    const std::string folder = "site-with-a-rather-long-directory-name-for-the-name-field";
    const std::string site = dir.MakeDir(folder);
    for (int i = 1; i <= 66; ++i) {
        const std::string name = "page" + std::to_string(i) + ".htm";
        dir.WriteSized(folder + "/" + name, static_cast<size_t>(100 * i + 1));
        wb.Editor().AddFile(name, site);
    }
    prompter.AnswerPrint(true);
    wb.mnuPrint_Click();
    ASSERT_TRUE(FileExists(pdf));

    EXPECT_TRUE(IsReportFont(printer.FontFamily(), printer.FontFixedPitch())) << printer.FontFamily();
    const TextSize blank = printer.Measure(" ");
    const PageFigures figures = ComputeFigures(PrintableArea(printer.Figures(), blank));
    EXPECT_EQ(figures.W, 67);
    EXPECT_EQ(figures.F1, 63);
    EXPECT_EQ(figures.FL, 77);

    const std::vector<TextPage> pdfPages = PdfText(dir, pdf, blank.width);
    const TableOutcome table = CollectTable(wb.Prj());
    const std::vector<ReportPage> report = LayoutReport(wb.Prj(), table.table, figures);
    ASSERT_EQ(pdfPages.size(), report.size());
    ASSERT_EQ(report.size(), 2u);
    const TextPage first = Visible(pdfPages[0]);
    ASSERT_FALSE(first.empty());
    ASSERT_GE(LeadingBlanks(first[0]), 6u) << first[0];
    const size_t indent = LeadingBlanks(first[0]) - 6;
    for (size_t p = 0; p < report.size(); ++p) EXPECT_EQ(Visible(pdfPages[p], indent), Visible(report[p])) << "page " << p + 1;

    const TextPage second = Visible(pdfPages[1], indent);
    EXPECT_EQ(first.size(), 7u + 1 + 63);
    EXPECT_EQ(Visible(pdfPages[0], indent).at(1), "      Last modified:  11/14/23 22:13:20");
    EXPECT_EQ(Visible(pdfPages[0], indent).at(4), "      Datablock count:         71 (DB 900 to DB 970)");
    EXPECT_EQ(Visible(pdfPages[0], indent).at(5), "      Used PLC memory:         236052 bytes");
    ASSERT_EQ(second.size(), 1u + 7);
    EXPECT_EQ(second[0], "      Included files" + std::string(67 - 13, ' ') + " DB     Size");
    const std::string last = dir.File(folder + "/page66.htm");
    EXPECT_EQ(second[7], "      " + last.substr(0, 3) + "..." + last.substr(last.size() - 61) + "  970    6702");
}

TEST_F(ReportPdf, ACancelledDialogWritesNoFile) {
    prompter.AnswerPrint(false);
    wb.mnuPrint_Click();
    EXPECT_FALSE(FileExists(pdf));
}

} // namespace
} // namespace lumafold::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display; printing needs a GUI application.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    // Run by hand or by a runner without the test's environment, it still
    // needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
