// Writing a file so that the old one is never lost: the bytes go to a
// temporary file beside the target, which is renamed over it only when
// complete. A failure leaves the old file as it was and no partial file.
#pragma once

#include <optional>
#include <string>

namespace lumafold {

// Nothing on success; otherwise the system's reason ("Permission denied").
// A target that exists but cannot be written to (a read-only file) is not
// replaced, although its directory would allow the rename.
std::optional<std::string> ReplaceFile(const std::string& path, const std::string& bytes);

// The whole content of an existing plain file of at most maxBytes bytes.
struct FileRead {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Failed;
    std::string bytes;
    std::string reason;  // for Failed
};
FileRead ReadWholeFile(const std::string& path, size_t maxBytes);

} // namespace lumafold
