#include "FileKind.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace lumafold {

std::string KindOf(mode_t mode) {
    if (S_ISREG(mode)) return "a plain file";
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISLNK(mode)) return "a symbolic link";
    return "no plain file";
}

std::string MissingReason(const std::string& path, int error) {
    struct stat st {};
    const bool link = ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    if (error == ELOOP) return "is a link that leads in a circle";
    if (link && error == ENOENT) return "is a link that leads nowhere";
    if (error == ENOENT || error == ENOTDIR) return "doesn't exist";
    return std::string("can't be looked at: ") + std::strerror(error);
}

std::optional<std::string> NotPlainFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return MissingReason(path, errno);
    if (S_ISREG(st.st_mode)) return std::nullopt;
    return "is " + KindOf(st.st_mode);
}

std::optional<FileId> IdOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

} // namespace lumafold
