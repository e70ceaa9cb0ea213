// Fuzz target for the AWL reader. Two properties: whatever text the reader
// takes, the writer writes those files again and the reader gives them back
// unchanged; and the input taken as the files of a project, generated and
// read back, gives every file back byte for byte and by name.
#include "AwlReader.h"
#include "AwlWriter.h"
#include "CodePage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace lumafold;
using namespace lumafold::extract;

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "AWL round trip broken: %s\n", what);
    std::abort();
}

// One directory for the run's input files; they are rewritten for every input.
const std::string& WorkDir() {
    static const std::string dir = [] {
        std::string d = (std::getenv("TMPDIR") ? std::string(std::getenv("TMPDIR")) : std::string("/tmp")) +
                        "/awl-fuzz-XXXXXX";
        Require(::mkdtemp(d.data()) != nullptr, "no temporary directory");
        return d;
    }();
    return dir;
}

std::string WriteInput(int j, const std::string& bytes) {
    const std::string path = WorkDir() + "/" + std::to_string(j);
    FILE* f = std::fopen(path.c_str(), "wb");
    Require(f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fclose(f) == 0, "input file");
    return path;
}

// The plan's AWL text, written by the generator's own writer.
std::string Generated(const BlockPlan& plan) {
    const int fd = ::memfd_create("awl", MFD_CLOEXEC);
    Require(fd >= 0, "memfd");
    Require(!AwlWriter(fd, "awl").Write(plan, "05.03.2002 14:07:31"), "write");
    std::string text(static_cast<size_t>(::lseek(fd, 0, SEEK_END)), '\0');
    Require(::pread(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()), "read back");
    ::close(fd);
    return text;
}

PlannedEntry Entry(int j, int indexDB, const std::string& nameCp, const std::string& bytes) {
    PlannedEntry e;
    e.position = e.listPosition = j;
    e.nameCp = nameCp;
    e.name = FromCodePage(nameCp);
    e.source = WriteInput(j, bytes);
    e.sourceCp = e.source;
    e.length = static_cast<int32_t>(bytes.size());
    e.dbNumber = indexDB + j;
    return e;
}

void RequireSame(const BlockPlan& plan, const AwlReadResult& back, const std::vector<std::string>& bytes) {
    Require(back.content.has_value(), back.problem.text.c_str());
    Require(back.content->indexDB == plan.indexDB, "index block");
    Require(back.content->files.size() == plan.entries.size(), "number of files");
    for (size_t i = 0; i < plan.entries.size(); ++i) {
        const PackedFile& f = back.content->files[i];
        Require(f.nameCp == plan.entries[i].nameCp, "name");
        Require(f.dbNumber == plan.entries[i].dbNumber, "block number");
        Require(f.bytes == bytes[i], "bytes");
    }
}

// What the reader took, written again.
void Rewritten(const AwlContent& content) {
    BlockPlan plan;
    plan.indexDB = content.indexDB;
    std::vector<std::string> bytes;
    for (const PackedFile& f : content.files) {
        plan.entries.push_back(Entry(f.element, 0, f.nameCp, f.bytes));
        plan.entries.back().dbNumber = f.dbNumber;
        bytes.push_back(f.bytes);
    }
    RequireSame(plan, ReadAwlSource(Generated(plan)), bytes);
}

// The input as up to eight files, cut at its 0xFF bytes, under names built
// from the characters a name needs escapes or the code page for.
void Packed(const std::string& input) {
    static const char* const kNames[] = {"index.htm", "it's.txt", "a$b.gif", "\xC4rger 1.jpg", "x", "$$'", "\xE9", "l"};
    BlockPlan plan;
    plan.indexDB = input.empty() ? 1 : 1 + static_cast<unsigned char>(input[0]) * 4;
    std::vector<std::string> bytes;
    size_t start = 0;
    while (start < input.size() && bytes.size() < 8) {
        size_t end = input.find('\xFF', start);
        if (end == std::string::npos) end = input.size();
        std::string piece = input.substr(start, end - start);
        start = end + 1;
        if (piece.empty()) continue;
        const int j = static_cast<int>(bytes.size()) + 1;
        plan.entries.push_back(Entry(j, plan.indexDB, kNames[j - 1], piece));
        bytes.push_back(piece);
    }
    if (bytes.empty() || plan.indexDB + plan.Count() > 1023) return;
    RequireSame(plan, ReadAwlSource(Generated(plan)), bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const AwlReadResult read = ReadAwlSource(input);
    if (read.content) Rewritten(*read.content);
    Packed(input);
    return 0;
}
