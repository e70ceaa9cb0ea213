// A file that replaces whatever stands at its path only when it is complete:
// it is written to a temporary file beside the target and renamed into place
// by Commit. Until then, and after any failure, the old file stays as it was
// and no partial file is left behind.
#pragma once

#include <optional>
#include <string>

namespace lumafold {

class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();  // removes the temporary file unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file; the system's reason on failure.
    std::optional<std::string> Open(const std::string& target);
    int Fd() const { return fd_; }
    // Closes the temporary file and renames it over the target.
    std::optional<std::string> Commit();
    void Discard();

private:
    std::string target_;
    std::string temp_;
    int fd_ = -1;
};

} // namespace lumafold
