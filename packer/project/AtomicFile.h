// A file that replaces whatever stands at its path only when it is complete:
// it is written to a temporary file beside the target and renamed into place
// by Commit, after an fsync. Until then, and after any failure, the old file
// stays as it was and no partial file is left behind.
//
// Only a plain file or a new name is written. A symbolic link is followed:
// the file it names is replaced in its own directory and the link stays. A
// link that leads nowhere or in a circle, a directory, a FIFO, a device or a
// socket is refused, so that writing never replaces a system's link or node.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace lumafold {

// How the file treats the plain file already at the path.
struct AtomicFileOptions {
    bool keepMode = false;          // the old file's mode; otherwise 0666 less the umask
    bool refuseUnwritable = false;  // an existing target that cannot be opened for writing stays
};

// The AWL source of Generate and lumafold-gen: a new file takes the path's place.
inline constexpr AtomicFileOptions kFreshFile{};
// Saving a project file: the file at the path is replaced as if written in
// place, and a file the user made read-only is not replaced.
inline constexpr AtomicFileOptions kReplaceInPlace{true, true};

// Writes all of size bytes to fd from where it stands, again after an
// interruption; 0, or the errno of the failure.
int WriteAll(int fd, const char* bytes, size_t size);

// The temporary file's name for a target, with XXXXXX where six random
// characters go: "." + the target's name (cut to leave room) + ".XXXXXX.tmp",
// in the target's directory. A run that was killed leaves one of these; the
// next run on the same target removes it (a live run holds a lock on its own).
std::string TempFilePattern(const std::string& target);

class AtomicFile {
public:
    explicit AtomicFile(AtomicFileOptions options) : options_(options) {}
    ~AtomicFile();  // removes the temporary file unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Checks the target and creates the temporary file; the reason on failure.
    std::optional<std::string> Open(const std::string& path);
    int Fd() const { return fd_; }
    // The file that Commit replaces: the path, or the file a link at it names.
    const std::string& Target() const { return target_; }
    // Writes all of size bytes at the temporary file's end; the reason on failure.
    std::optional<std::string> Append(const char* bytes, size_t size);
    // Syncs and closes the temporary file and renames it over the target.
    std::optional<std::string> Commit();
    void Discard();

private:
    std::optional<std::string> Resolve(const std::string& path);

    AtomicFileOptions options_;
    std::string target_;
    std::string temp_;
    unsigned mode_ = 0;
    int fd_ = -1;
    int slot_ = -1;  // where the signal handlers find temp_
};

} // namespace lumafold
