#include "GeneratorFixture.h"
#include "FixedLocale.h"

#include "AwlWriter.h"
#include "VarList.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace lumafold::test {
namespace {

std::string LineAt(const std::string& text, size_t start) {
    const size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start + 1);
}

} // namespace

GeneratorTest::GeneratorTest() : ctx(prompter, clock, hooks, "/opt/lumafold/") {
    ::lumafold::test::UseUtcAndCLocale();
    hooks.Watch(&ctx.el);
}

void GeneratorTest::AddEntry(const std::string& name, const std::string& directory) {
    ctx.project.files.Add(FileEntry{name, directory, false});
}

void GeneratorTest::AddFile(const std::string& name, const std::string& bytes) {
    dir.Write(name, bytes);
    AddEntry(name, dir.Path());
}

void GeneratorTest::AddSites() {
    for (int i = 1; i <= kSiteCount; ++i) AddEntry(SiteName(i), "");
}

std::string GeneratorTest::Shown(std::string text) const {
    const std::string from = dir.Path() + "/";
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos))
        text.replace(pos, from.size(), "C:\\Web\\");
    return text;
}

std::string GeneratorTest::Generate(const BlockPlan& plan, const std::string& timeStamp, WriteProgress* progress) {
    const std::string out = dir.File("out.AWL");
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    EXPECT_GE(fd, 0);
    const auto failure = AwlWriter(fd, out).Write(plan, timeStamp, progress);
    ::close(fd);
    EXPECT_FALSE(failure) << failure->path << ": " << failure->reason;
    return Shown(ReadFile(out));
}

void ExpectGolden(const std::string& text, const std::string& goldenName) {
    const std::string path = std::string(LUMAFOLD_GOLDEN_DIR) + "/" + goldenName;
    if (std::getenv("LUMAFOLD_WRITE_GOLDEN")) std::ofstream(path, std::ios::binary) << text;
    const std::string golden = ReadFile(path);
    if (text == golden) return;
    size_t start = 0;
    int line = 1;
    for (size_t i = 0; i < std::min(text.size(), golden.size()) && text[i] == golden[i]; ++i) {
        if (text[i] == '\n') {
            start = i + 1;
            ++line;
        }
    }
    ADD_FAILURE() << goldenName << " differs first at line " << line << "\n  expected: " << ::testing::PrintToString(LineAt(golden, start))
                  << "\n  actual:   " << ::testing::PrintToString(LineAt(text, start)) << "\n  (" << text.size()
                  << " bytes written, " << golden.size() << " expected)";
}

} // namespace lumafold::test
