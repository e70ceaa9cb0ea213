// The AWL text byte for byte, against golden files beside this test.
#include "GeneratorFixture.h"
#include "Planner.h"

#include <functional>

namespace lumafold::test {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

struct GoldenCase {
    const char* golden;
    int indexDB;
    std::function<void(GeneratorTest&)> fill;
};

class AwlGoldenTest : public GeneratorTest, public ::testing::WithParamInterface<GoldenCase> {
public:
    BlockPlan Plan(int indexDB) {
        PlanResult r = MakePlan(indexDB, ctx.project.files, [](const Questionable& q) {
            ADD_FAILURE() << "unexpected question about " << q.source;
            return Decision::EndRun;
        });
        EXPECT_TRUE(r.plan);
        return r.plan ? *r.plan : BlockPlan{};
    }
};

TEST_P(AwlGoldenTest, TextIsByteExact) {
    const GoldenCase& c = GetParam();
    c.fill(*this);
    ExpectGolden(Generate(Plan(c.indexDB)), c.golden);
}

const GoldenCase kGoldenCases[] = {
    {"worked_example.awl", 900,
     [](GeneratorTest& t) {
         auto& self = t;
         self.AddFile("index.htm", "<html>\r\n");
         self.AddFile("ok.txt", "OK\n");
     }},
    {"varlist_only.awl", 900, [](GeneratorTest& t) { t.AddSites(); }},
    {"small_sizes.awl", 100,
     [](GeneratorTest& t) {
         auto& self = t;
         for (int size : {1, 2, 3, 4, 5}) self.AddFile("f" + std::to_string(size) + ".bin", std::string(size, 'a' + size));
     }},
    {"largest_file.awl", 1,
     [](GeneratorTest& t) {
         auto& self = t;
         self.dir.WriteSized("big.gif", 32767);
         self.AddFile("big.gif", ReadFile(self.dir.File("big.gif")));
     }},
    {"special_bytes.awl", 500,
     [](GeneratorTest& t) {
         auto& self = t;
         self.AddFile("dw.bin", Bytes({0, 10, 13, 32, 127, 128, 255, 33}));
         self.AddFile("mixed.bin", Bytes({0, 10, 13, 32, 127, 128, 255}));
         self.AddFile("tail.bin", Bytes({0, 10, 13}));
     }},
    {"ten_entries.awl", 7,
     [](GeneratorTest& t) {
         auto& self = t;
         for (int j = 1; j <= 10; ++j) self.AddFile("page" + std::to_string(j) + ".htm", std::string(j, '0' + j % 10));
     }},
};

INSTANTIATE_TEST_SUITE_P(Golden, AwlGoldenTest, ::testing::ValuesIn(kGoldenCases),
                         [](const auto& info) {
                             std::string n = info.param.golden;
                             return n.substr(0, n.find('.'));
                         });

} // namespace
} // namespace lumafold::test
