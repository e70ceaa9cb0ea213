// Writes the AWL source text of a block plan to an open file descriptor, in
// large pieces from one buffer. Real files are read when their block is due.
#pragma once

#include "BlockPlan.h"

#include <optional>
#include <string>
#include <vector>

namespace lumafold {

// The two progress points of a run.
class WriteProgress {
public:
    virtual ~WriteProgress() = default;
    // At the start of each content data block.
    virtual void BlockStarted(const PlannedEntry& entry) = 0;
    // Before DW line k: 4 * (k - 1), the bytes already written as DW lines.
    // Returns how many lines to write before the next report (below one
    // counts as one), so that whoever only looks now and then need not hear
    // of every line; a new block is reported from its first line again.
    virtual int32_t BeforeDwordLine(int32_t bytesDone) = 0;
};

// A failed write: which file, and the system's reason.
struct WriteFailure {
    enum class Where { Source, Output };
    Where where = Where::Output;
    std::string path;    // UTF-8
    std::string reason;
};

class AwlWriter {
public:
    // fd is written from where it stands; the writer neither opens nor closes it.
    explicit AwlWriter(int fd, std::string outputPath);

    // The whole text: header, UDT, index block, content blocks in plan order.
    std::optional<WriteFailure> Write(const BlockPlan& plan, const std::string& timeStamp,
                                      WriteProgress* progress = nullptr);

private:
    void WriteHeader(const BlockPlan& plan, const std::string& timeStampCp);
    void WriteIndexBlock(const BlockPlan& plan);
    void WriteContentBlock(const PlannedEntry& entry, const unsigned char* bytes, WriteProgress* progress);

    void Put(const char* text, size_t size);
    void Put(const std::string& text) { Put(text.data(), text.size()); }
    void Line(const std::string& text);
    void Flush();

    int fd_;
    std::string outputPath_;
    std::vector<char> buf_;
    size_t used_ = 0;
    int error_ = 0;  // errno of the first failed write
    std::vector<unsigned char> content_;
};

} // namespace lumafold
