// A file that replaces whatever stands at its path only when it is complete:
// it is written to a temporary file beside the target and renamed into place
// by Commit, after an fsync. Until then, and after any failure, the old file
// stays as it was and no partial file is left behind.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace lumafold {

// How the file treats what already stands at the path.
struct AtomicFileOptions {
    bool followLinks = false;       // a link: replace the file it names, not the link
    bool keepMode = false;          // the old file's mode; otherwise 0666 less the umask
    bool refuseUnwritable = false;  // an existing target that cannot be opened for writing stays
};

// The AWL source of Generate and lumafold-gen: a new file takes the path's place.
inline constexpr AtomicFileOptions kFreshFile{};
// Saving a project file: the file at the path is replaced as if written in
// place, and a file the user made read-only is not replaced.
inline constexpr AtomicFileOptions kReplaceInPlace{true, true, true};

// Writes all of size bytes to fd from where it stands, again after an
// interruption; 0, or the errno of the failure.
int WriteAll(int fd, const char* bytes, size_t size);

class AtomicFile {
public:
    explicit AtomicFile(AtomicFileOptions options) : options_(options) {}
    ~AtomicFile();  // removes the temporary file unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Checks the target and creates the temporary file; the reason on failure.
    std::optional<std::string> Open(const std::string& path);
    int Fd() const { return fd_; }
    // Writes all of size bytes at the temporary file's end; the reason on failure.
    std::optional<std::string> Append(const char* bytes, size_t size);
    // Syncs and closes the temporary file and renames it over the target.
    std::optional<std::string> Commit();
    void Discard();

private:
    AtomicFileOptions options_;
    std::string target_;
    std::string temp_;
    unsigned mode_ = 0;
    int fd_ = -1;
};

} // namespace lumafold
