// What stands at a path, in the words a message uses when it is not the
// plain file that was wanted: "a FIFO" tells the user more than "doesn't exist".
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace lumafold {

// "a directory", "a FIFO", "a device", "a socket", ... for a file mode.
std::string KindOf(mode_t mode);

// Nothing for a plain file (links followed); otherwise what stands there, as
// the end of a sentence about the path: "doesn't exist", "is a directory",
// "is a link that leads nowhere", "is a link that leads in a circle".
std::optional<std::string> NotPlainFile(const std::string& path);

// The same as above for a stat() that failed with error.
std::string MissingReason(const std::string& path, int error);

// Device and inode of the file at a path, links followed.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId&) const = default;
};
std::optional<FileId> IdOf(const std::string& path);

} // namespace lumafold
