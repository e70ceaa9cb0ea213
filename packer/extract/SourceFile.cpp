#include "SourceFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumafold::extract {

std::optional<SourceFile> SourceFile::Open(const std::string& path, std::string& reason) {
    // Non-blocking, so that a FIFO in place of the file cannot hold the run.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = std::strerror(errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "not a plain file";
        ::close(fd);
        return std::nullopt;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return SourceFile(fd);
}

SourceFile::~SourceFile() {
    if (fd_ >= 0) ::close(fd_);
}

size_t SourceFile::Read(char* dst, size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd_, dst, size);
        if (n >= 0) return static_cast<size_t>(n);
        if (errno != EINTR) throw SourceReadError(std::strerror(errno));
    }
}

} // namespace lumafold::extract
