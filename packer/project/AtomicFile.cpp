#include "AtomicFile.h"

#include "Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lumafold {
namespace {

std::string Reason(int error) { return std::strerror(error); }

// The file a link names; the path itself when it is no link.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string target = real;
    std::free(real);
    return target;
}

// 0666 less the umask: the mode a direct write would have given.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A reason when the existing target must stay.
std::optional<std::string> RefusedTarget(const std::string& target, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return Reason(EISDIR);
    if (!S_ISREG(st.st_mode)) return std::string("not a plain file");
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Reason(errno);
    ::close(fd);
    return std::nullopt;
}

} // namespace

AtomicFile::~AtomicFile() { Discard(); }

std::optional<std::string> AtomicFile::Open(const std::string& path) {
    Discard();
    target_ = options_.followLinks ? ResolvedTarget(path) : path;
    mode_ = NewFileMode();
    struct stat st {};
    if ((options_.keepMode || options_.refuseUnwritable) && ::stat(target_.c_str(), &st) == 0) {
        if (options_.refuseUnwritable) {
            if (auto refused = RefusedTarget(target_, st)) return refused;
        }
        if (options_.keepMode) mode_ = st.st_mode & 07777;
    }
    const std::string dir = GetPath(target_).empty() ? std::string(".") : GetPath(target_);
    const std::string pattern = JoinPath(dir, "." + GetFileName(target_) + ".XXXXXX");
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    fd_ = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd_ < 0) return Reason(errno);
    temp_ = temp.data();
    return std::nullopt;
}

int WriteAll(int fd, const char* bytes, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        done += static_cast<size_t>(n);
    }
    return 0;
}

std::optional<std::string> AtomicFile::Append(const char* bytes, size_t size) {
    if (const int error = WriteAll(fd_, bytes, size)) return Reason(error);
    return std::nullopt;
}

std::optional<std::string> AtomicFile::Commit() {
    if (fd_ < 0) return Reason(EBADF);
    int err = 0;
    if (::fchmod(fd_, mode_) != 0 || ::fsync(fd_) != 0) err = errno;
    if (::close(fd_) != 0 && err == 0) err = errno;
    fd_ = -1;
    if (err == 0 && std::rename(temp_.c_str(), target_.c_str()) != 0) err = errno;
    if (err != 0) {
        Discard();
        return Reason(err);
    }
    temp_.clear();
    return std::nullopt;
}

void AtomicFile::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

} // namespace lumafold
