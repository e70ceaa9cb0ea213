// The report's arithmetic and layout: sizes, the blocks, the page figures,
// the file lines and the pagination, all without a printer.
#include "FileList.h"
#include "PageFigures.h"
#include "Project.h"
#include "ReportPages.h"
#include "ReportTable.h"
#include "ReportText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumafold::test {
namespace {

struct SizeCase {
    int64_t length;
    int64_t size;
};

TEST(ReportSize, OneOrTwoArraysAndMadeEven) {
    const std::vector<SizeCase> cases = {
        {1000, 1092}, {3, 96}, {1001, 1102}, {1234, 1334}, {0, 92}, {1, 94}, {4, 96}, {5, 106},
        {32767, 32868}, {100000, 100092}, {5000000001, 5000000102},
    };
    for (const SizeCase& c : cases) EXPECT_EQ(EntrySize(c.length), c.size) << "length " << c.length;
}

TEST(ReportFigures, FromThePageAndTheFont) {
    const PageFigures f = ComputeFigures({560, 806, 5.4, 10.2});
    EXPECT_EQ(f.C, 92);
    EXPECT_EQ(f.W, 67);
    EXPECT_EQ(f.F1, 63);
    EXPECT_EQ(f.FL, 77);
    EXPECT_TRUE(f.Fits());
}

TEST(ReportFigures, AQuotientOnAWholeNumberIsNotRoundedBelowIt) {
    // 4.3 / 0.1 and 2.3 / 0.1 come out just below 43 and 23 in binary.
    const PageFigures f = ComputeFigures({4.3, 2.3, 0.1, 0.1});
    EXPECT_EQ(f.C, 43 - 11);
    EXPECT_EQ(f.FL, 23 - 2);
}

TEST(ReportFigures, PrintableAreaInPointsFromDevicePixels) {
    const DeviceFigures device{1200, 1700, 100, 50, 144, 288};
    const PageMetrics m = PrintableArea(device, {5.4, 10.2});
    EXPECT_DOUBLE_EQ(m.PW, 500);   // (1200 - 200) * 72 / 144
    EXPECT_DOUBLE_EQ(m.PH, 400);   // (1700 - 100) * 72 / 288
    EXPECT_DOUBLE_EQ(m.cw, 5.4);
    EXPECT_DOUBLE_EQ(m.lh, 10.2);
}

TEST(ReportFigures, PagesThatCannotHoldTheReport) {
    struct Case {
        PageMetrics m;
        bool fits;
    };
    const std::vector<Case> cases = {
        {{5.4 * 49, 806, 5.4, 10.2}, true},    // W = 13, the narrowest heading
        {{5.4 * 48.9, 806, 5.4, 10.2}, false}, // W = 12
        {{560, 10.2 * 17, 5.4, 10.2}, true},   // F1 = 1
        {{560, 10.2 * 16.9, 5.4, 10.2}, false},
        {{560, 806, 0, 10.2}, false},          // a printer that measures nothing
        {{560, 806, 5.4, -1}, false},
        {{560, 806, 1e-300, 10.2}, false},     // no overflow into the int
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeFigures(c.m).Fits(), c.fits) << c.m.PW << " x " << c.m.PH << ", " << c.m.cw << " x " << c.m.lh;
}

TEST(ReportLines, TheHeadingAndFileLinesForANameFieldOf30) {
    const std::vector<std::string> heading = HeadingLines(30);
    EXPECT_EQ(heading, (std::vector<std::string>{"      Included files                  DB     Size  ", ""}));
    const ReportRow rows[] = {
        {"C:\\Web\\index.htm", 901, EntrySize(1234)},
        {"C:\\Users\\anna\\Pictures\\holiday\\beach-photo.jpg", 902, EntrySize(5000)},
        {"varlist1.txt", 903, kSiteSize},
    };
    EXPECT_EQ(FileLine(rows[0], 30), "      C:\\Web\\index.htm                901    1334");
    EXPECT_EQ(FileLine(rows[1], 30), "      C:\\...\\holiday\\beach-photo.jpg  902    5092");
    EXPECT_EQ(FileLine(rows[2], 30), "      varlist1.txt                    903    1116");
}

TEST(ReportLines, NameFieldKeepsAFittingNameAndCutsALongerOne) {
    struct Case {
        std::string name;
        int width;
        std::string field;
    };
    const std::vector<Case> cases = {
        {"/web/abcdefgh.htm", 17, "/web/abcdefgh.htm"},          // exactly W
        {"/web/abcdefghi.htm", 17, "/we...cdefghi.htm"},         // W + 1: 3, "...", W - 6
        {"/web/a.htm", 13, "/web/a.htm   "},
        {"/srv/site/pictures/x.gif", 13, "/sr...s/x.gif"},
        // Characters, not bytes: the UTF-8 of ä and é is never split.
        {"/wäb/été.htm", 13, "/wäb/été.htm "},
        {"ääää/abcdefghé", 13, "äää...cdefghé"},
    };
    for (const Case& c : cases) EXPECT_EQ(NameField(c.name, c.width), c.field) << c.name << " in " << c.width;
}

TEST(ReportLines, NumbersHaveASignPlaceAndAreNeverCut) {
    struct Case {
        int64_t value;
        int width;
        std::string field;
    };
    const std::vector<Case> cases = {
        {901, 5, "  901"}, {1023, 5, " 1023"}, {40000, 5, " 40000"}, {-4, 5, "   -4"},
        {1116, 8, "    1116"}, {1234567, 8, " 1234567"}, {100000092, 8, " 100000092"},
    };
    for (const Case& c : cases) EXPECT_EQ(NumberField(c.value, c.width), c.field) << c.value;
}

class ReportProject : public ::testing::Test {
protected:
    ReportProject() {
        project.projectFile = "site.F2D";
        project.PRJTimeStamp = "11/14/23 22:13:20";
        project.AWLTimeStamp = "11/15/23 08:00:00";
        project.awlDir = "/plc/";
        project.awlFile = "site.AWL";
    }
    void AddReal(const std::string& name, size_t size) {
        dir.WriteSized(name, size);
        project.files.Add(FileEntry{name, dir.Path(), false});
    }
    void AddSite(const std::string& name) { project.files.Add(FileEntry{name, "", false}); }
    ReportTable Table() const {
        const TableOutcome out = CollectTable(project);
        EXPECT_TRUE(out.ok) << out.failure;
        return out.table;
    }

    TempDir dir;
    Project project;
};

TEST_F(ReportProject, OneFileOf1234Bytes) {
    AddReal("index.htm", 1234);
    const ReportTable table = Table();
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].printedName, dir.File("index.htm"));
    EXPECT_EQ(table.rows[0].db, 901);
    EXPECT_EQ(table.rows[0].size, 1334);
    EXPECT_EQ(table.usedMemory, 1502);
    EXPECT_EQ(TitleLines(project), (std::vector<std::string>{
                                       "",
                                       "",
                                       "      Project:        site.F2D",
                                       "      Last modified:  11/14/23 22:13:20",
                                       "      Last compiled:  11/15/23 08:00:00",
                                       "",
                                   }));
    EXPECT_EQ(SummaryLines(project, table), (std::vector<std::string>{
                                                "      Datablock base address:  900",
                                                "      Datablock count:         2 (DB 900 to DB 901)",
                                                "      Used PLC memory:         1502 bytes",
                                                "      Datablock source file:   /plc/site.AWL",
                                                "",
                                                "",
                                            }));
}

TEST_F(ReportProject, VarListSitesAndSiteLikeNamesAreListedByName) {
    for (int i = 1; i <= 4; ++i) AddSite("varlist" + std::to_string(i) + ".txt");
    // Counts as a site whatever its length; no file of that name is needed.
    project.files.Add(FileEntry{"myvarlist.htm", dir.Path(), false});
    const ReportTable table = Table();
    ASSERT_EQ(table.rows.size(), 5u);
    for (const ReportRow& row : table.rows) EXPECT_EQ(row.size, kSiteSize) << row.printedName;
    EXPECT_EQ(table.rows[4].printedName, "myvarlist.htm");
    EXPECT_EQ(table.rows[4].db, 905);
    EXPECT_EQ(table.usedMemory, 116 + 5 * 52 + 5 * 1116);
}

TEST_F(ReportProject, AnEmptyFileCountsAndKeepsItsPlace) {
    AddReal("a.htm", 1000);
    AddReal("empty.htm", 0);
    AddReal("b.gif", 3);
    const ReportTable table = Table();
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[1].size, 92);
    EXPECT_EQ(table.rows[2].db, 903);
    EXPECT_EQ(table.rows[2].size, 96);
    EXPECT_EQ(table.usedMemory, 116 + 3 * 52 + 1092 + 92 + 96);
}

TEST_F(ReportProject, WideFiguresDoNotWrap) {
    project.IndexDB = 32767;
    AddReal("big.jpg", 70000);
    const ReportTable table = Table();
    EXPECT_EQ(table.rows[0].db, 32768);
    EXPECT_EQ(table.rows[0].size, 70092);
    EXPECT_EQ(SummaryLines(project, table).at(1), "      Datablock count:         2 (DB 32767 to DB 32768)");
    EXPECT_EQ(SummaryLines(project, table).at(2), "      Used PLC memory:         70260 bytes");
}

TEST_F(ReportProject, AnUnsavedNeverGeneratedProjectPrintsEmptyValues) {
    project = Project{};
    const ReportTable table = Table();
    EXPECT_EQ(TitleLines(project).at(2), "      Project:        ");
    EXPECT_EQ(TitleLines(project).at(4), "      Last compiled:  ");
    const std::vector<std::string> summary = SummaryLines(project, table);
    EXPECT_EQ(summary.at(1), "      Datablock count:         1 (DB 900 to DB 900)");
    EXPECT_EQ(summary.at(2), "      Used PLC memory:         116 bytes");
    EXPECT_EQ(summary.at(3), "      Datablock source file:   ");
}

TEST_F(ReportProject, AFileThatIsGoneOrUnreadableIsNamed) {
    AddReal("a.htm", 10);
    project.files.Add(FileEntry{"gone.htm", dir.Path(), false});
    TableOutcome out = CollectTable(project);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.failure, "File \"" + dir.File("gone.htm") + "\" doesn't exist ... ");

    project.files.RemoveAt(2);
    dir.MakeDir("sub.htm");
    project.files.Add(FileEntry{"sub.htm", dir.Path(), false});
    out = CollectTable(project);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.failure, "File \"" + dir.File("sub.htm") + "\" doesn't exist ... ");
}

class ReportPagination : public ReportProject {
protected:
    std::vector<ReportPage> Pages(int entries, const PageFigures& figures) {
        for (int i = 1; i <= entries; ++i) project.files.Add(FileEntry{"varlist-" + std::to_string(i), "", false});
        return LayoutReport(project, Table(), figures);
    }
    const PageFigures a4{92, 67, 63, 77};
    const size_t firstPageHead = kTitleLines + kSummaryLines + kHeadingLines;
};

TEST_F(ReportPagination, SeventyEntriesGo63And7WithTheHeadingAgain) {
    const std::vector<ReportPage> pages = Pages(70, a4);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), firstPageHead + 63);
    EXPECT_EQ(pages[0][firstPageHead - 2], HeadingLines(67)[0]);
    EXPECT_EQ(pages[0].back(), FileLine({"varlist-63", 963, kSiteSize}, 67));
    ASSERT_EQ(pages[1].size(), 2u + 7);
    EXPECT_EQ(pages[1][0], HeadingLines(67)[0]);
    EXPECT_EQ(pages[1][1], "");
    EXPECT_EQ(pages[1][2], FileLine({"varlist-64", 964, kSiteSize}, 67));
    EXPECT_EQ(pages[1].back(), FileLine({"varlist-70", 970, kSiteSize}, 67));
}

TEST_F(ReportPagination, ALastLineThatFillsAPageStartsNoNewOne) {
    struct Case {
        int entries;
        std::vector<size_t> fileLines;
    };
    const std::vector<Case> cases = {
        {0, {0}}, {63, {63}}, {64, {63, 1}}, {63 + 77, {63, 77}}, {63 + 77 + 1, {63, 77, 1}},
    };
    for (const Case& c : cases) {
        project.files.Clear();
        const std::vector<ReportPage> pages = Pages(c.entries, a4);
        ASSERT_EQ(pages.size(), c.fileLines.size()) << c.entries << " entries";
        for (size_t p = 0; p < pages.size(); ++p) {
            const size_t head = p == 0 ? firstPageHead : kHeadingLines;
            EXPECT_EQ(pages[p].size(), head + c.fileLines[p]) << c.entries << " entries, page " << p + 1;
        }
    }
}

TEST_F(ReportPagination, TheFirstPageBeginsWithTheBlocks) {
    const std::vector<ReportPage> pages = Pages(1, a4);
    const ReportTable table = Table();
    ReportPage expected = TitleLines(project);
    for (const std::string& line : SummaryLines(project, table)) expected.push_back(line);
    expected.push_back(HeadingLines(67)[0]);
    expected.push_back("");
    expected.push_back(FileLine(table.rows[0], 67));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], expected);
}

} // namespace
} // namespace lumafold::test
