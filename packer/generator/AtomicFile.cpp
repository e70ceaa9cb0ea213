#include "AtomicFile.h"

#include "Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace lumafold {
namespace {

// A hidden name beside the target, unique to this process and attempt.
std::string TempName(const std::string& target, int attempt) {
    const std::string dir = GetPath(target);
    const std::string name = "." + GetFileName(target) + "." + std::to_string(::getpid()) + "." +
                             std::to_string(attempt) + ".tmp";
    return dir.empty() ? name : JoinPath(dir, name);
}

} // namespace

AtomicFile::~AtomicFile() { Discard(); }

std::optional<std::string> AtomicFile::Open(const std::string& target) {
    Discard();
    target_ = target;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = TempName(target, attempt);
        // 0666 less the umask: the mode a direct write would have given.
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) return std::nullopt;
        if (errno != EEXIST) break;
    }
    const int err = errno;
    temp_.clear();
    return std::string(std::strerror(err));
}

std::optional<std::string> AtomicFile::Commit() {
    if (fd_ < 0) return std::string(std::strerror(EBADF));
    int err = 0;
    if (::fsync(fd_) != 0) err = errno;
    if (::close(fd_) != 0 && err == 0) err = errno;
    fd_ = -1;
    if (err == 0 && std::rename(temp_.c_str(), target_.c_str()) != 0) err = errno;
    if (err != 0) {
        Discard();
        return std::string(std::strerror(err));
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
