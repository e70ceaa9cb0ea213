// Reading the generated DW and B lines back gives every file's bytes, and the
// index block agrees with the plan.
#include "GeneratorFixture.h"
#include "Planner.h"

#include <map>
#include <random>
#include <sstream>

namespace lumafold::test {
namespace {

struct ReadBack {
    std::map<int, std::string> blocks;  // DB number -> bytes
    std::map<int, long long> filelen;   // element -> filelen
    std::map<int, int> dbno;            // element -> dbno
};

// A small reader of the content lines, independent of the writer's code.
ReadBack Parse(const std::string& text) {
    ReadBack out;
    std::istringstream in(text);
    std::string line;
    int db = -1;
    while (std::getline(in, line)) {
        EXPECT_FALSE(line.empty() || line.back() != '\r') << "line without CR LF: " << line;
        if (!line.empty()) line.pop_back();
        int a = 0, b = 0;
        unsigned value = 0;
        long long len = 0;
        char rest[64];
        if (std::sscanf(line.c_str(), "DATA_BLOCK DB %d", &a) == 1) {
            db = a;
        } else if (std::sscanf(line.c_str(), "  DW[%d] := DW#16#%8x;%63[^\n]", &a, &value, rest) == 3) {
            std::string& bytes = out.blocks[db];
            EXPECT_EQ(bytes.size(), static_cast<size_t>(4 * (a - 1))) << line;
            for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((value >> shift) & 0xFF);
        } else if (std::sscanf(line.c_str(), "  B[%d] := B#16#%2x;%63[^\n]", &a, &value, rest) == 3) {
            out.blocks[db] += static_cast<char>(value);
        } else if (std::sscanf(line.c_str(), "  files[%d].filelen   := L#%lld;", &a, &len) == 2) {
            out.filelen[a] = len;
        } else if (std::sscanf(line.c_str(), "  files[%d].dbno      := %d;", &a, &b) == 2) {
            out.dbno[a] = b;
        }
    }
    return out;
}

TEST_F(GeneratorTest, RandomContentsReadBackExactly) {
    std::mt19937 rng(20020305);
    std::uniform_int_distribution<int> length(1, 32767);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::string> contents;
    for (int i = 0; i < 24; ++i) {
        const int size = i == 0 ? 1 : i == 1 ? 32767 : length(rng);
        std::string bytes(static_cast<size_t>(size), '\0');
        for (char& c : bytes) c = static_cast<char>(byte(rng));
        contents.push_back(bytes);
        AddFile("file" + std::to_string(i) + ".bin", bytes);
    }
    const PlanResult r = MakePlan(40, ctx.project.files, [](const Questionable&) { return Decision::EndRun; });
    ASSERT_TRUE(r.plan);
    const ReadBack back = Parse(Generate(*r.plan));
    ASSERT_EQ(back.blocks.size(), contents.size());
    for (const PlannedEntry& e : r.plan->entries) {
        const std::string& expected = contents[static_cast<size_t>(e.position - 1)];
        ASSERT_EQ(back.blocks.at(e.dbNumber), expected) << "DB " << e.dbNumber;
        EXPECT_EQ(back.filelen.at(e.position), static_cast<long long>(expected.size()));
        EXPECT_EQ(back.dbno.at(e.position), 40 + e.position);
    }
}

} // namespace
} // namespace lumafold::test
