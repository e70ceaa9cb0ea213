// An AWL source file on disk as a text source: only a plain file is taken,
// and it is read in pieces, since a source of our largest project is over
// 300 MB.
#pragma once

#include "AwlLexer.h"

#include <optional>
#include <string>

namespace lumafold::extract {

class SourceFile final : public TextSource {
public:
    // Nothing, with reason set, when path is no plain file that can be read.
    static std::optional<SourceFile> Open(const std::string& path, std::string& reason);
    ~SourceFile() override;
    SourceFile(SourceFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    size_t Read(char* dst, size_t size) override;

private:
    explicit SourceFile(int fd) : fd_(fd) {}
    int fd_;
};

} // namespace lumafold::extract
