// The writer's two progress points: where they come, how many, and that
// hearing them changes nothing in the text.
#include "GeneratorFixture.h"
#include "Planner.h"

#include <random>

namespace lumafold::test {
namespace {

// Everything reported, in order: a block start as -1, a DW line as its
// bytesDone. It asks to hear of every n-th line.
class RecordingProgress final : public WriteProgress {
public:
    explicit RecordingProgress(int32_t linesPerReport) : linesPerReport_(linesPerReport) {}
    void BlockStarted(const PlannedEntry& entry) override {
        started.push_back(entry.source);
        reports.push_back(-1);
    }
    int32_t BeforeDwordLine(int32_t bytesDone) override {
        reports.push_back(bytesDone);
        return linesPerReport_;
    }
    int32_t linesPerReport_;
    std::vector<std::string> started;
    std::vector<int32_t> reports;
};

struct ReportCase {
    int32_t linesPerReport;
    int length;  // of the one file
    std::vector<int32_t> reports;
};

class WriteProgressTest : public GeneratorTest, public ::testing::WithParamInterface<ReportCase> {
protected:
    // Plans the listed files as they are on disk.
    BlockPlan Plan() {
        const PlanResult r = MakePlan(7, ctx.project.files, [](const Questionable&) { return Decision::EndRun; });
        EXPECT_TRUE(r.plan);
        return r.plan ? *r.plan : BlockPlan{};
    }
    static std::string Bytes(int length, unsigned seed) {
        std::mt19937 rng(seed);
        std::string bytes(static_cast<size_t>(length), '\0');
        for (char& c : bytes) c = static_cast<char>(rng());
        return bytes;
    }
};

TEST_P(WriteProgressTest, ReportsEveryNthDwordLine) {
    AddFile("a.bin", Bytes(GetParam().length, 1));
    RecordingProgress progress(GetParam().linesPerReport);
    Generate(Plan(), "05.03.2002 14:07:31", &progress);
    std::vector<int32_t> expected = {-1};
    expected.insert(expected.end(), GetParam().reports.begin(), GetParam().reports.end());
    EXPECT_EQ(progress.reports, expected);
}

std::vector<int32_t> EveryStep(int32_t step, int32_t below) {
    std::vector<int32_t> v;
    for (int32_t b = 0; b < below; b += step) v.push_back(b);
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteProgressTest,
    ::testing::Values(ReportCase{1, 9, {0, 4}},            // two DW lines and one B line
                      ReportCase{1, 3, {}},                // B lines only: no DW report
                      ReportCase{3, 28, {0, 12, 24}},      // seven lines, the last group short
                      ReportCase{7, 28, {0}},              // exactly one group
                      ReportCase{8, 32, {0}},
                      ReportCase{100, 28, {0}},            // more than the block has
                      ReportCase{0, 8, {0, 4}},            // below one counts as one
                      ReportCase{-5, 8, {0, 4}},
                      ReportCase{512, 32767, EveryStep(2048, 32764)},
                      ReportCase{1, 32767, EveryStep(4, 32764)}));

TEST_F(WriteProgressTest, BlocksAreAnnouncedInPlanOrderAndTheTextIsTheSame) {
    AddFile("a.bin", Bytes(9000, 2));
    AddSites();
    AddFile("b.bin", Bytes(5, 3));
    AddFile("c.bin", Bytes(32767, 4));
    const BlockPlan plan = Plan();
    const std::string unheard = Generate(plan);
    std::vector<std::string> sources;
    for (const PlannedEntry& e : plan.entries) sources.push_back(e.source);
    for (int32_t n : {1, 5, 512}) {
        RecordingProgress progress(n);
        EXPECT_EQ(Generate(plan, "05.03.2002 14:07:31", &progress), unheard) << n << " lines per report";
        EXPECT_EQ(progress.started, sources);
    }
}

} // namespace
} // namespace lumafold::test
