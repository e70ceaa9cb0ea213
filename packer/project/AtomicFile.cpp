#include "AtomicFile.h"

#include "FileKind.h"
#include "Paths.h"
#include "TempFileGuard.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lumafold {
namespace {

constexpr const char* kRandom = "XXXXXX";
constexpr const char* kTempEnd = ".tmp";
constexpr size_t kNameMax = 255;  // bytes of one name in the file systems we write to

std::string Reason(int error) { return std::strerror(error); }

// 0666 less the umask: the mode a direct write would have given.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A reason when the existing plain file must stay.
std::optional<std::string> Unwritable(const std::string& target) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Reason(errno);
    ::close(fd);
    return std::nullopt;
}

// The start of every temporary name for a target's name: "." + the name, cut
// at a character's start so that the whole temporary name fits.
std::string TempPrefix(const std::string& name) {
    const size_t room = kNameMax - 2 - std::strlen(kRandom) - std::strlen(kTempEnd);
    size_t end = std::min(name.size(), room);
    while (end > 0 && end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "." + text.
    std::string prefix = ".";
    prefix.append(name, 0, end);
    prefix += '.';
    return prefix;
}

bool IsTempName(const std::string& entry, const std::string& prefix) {
    const size_t size = prefix.size() + std::strlen(kRandom) + std::strlen(kTempEnd);
    return entry.size() == size && entry.starts_with(prefix) && entry.ends_with(kTempEnd);
}

// Removes what killed runs on the same target left: a temporary file that no
// live run holds locked.
void RemoveStaleTempFiles(const std::string& dir, const std::string& prefix) {
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr) return;
    while (const dirent* e = ::readdir(d)) {
        const std::string entry = e->d_name;
        if (!IsTempName(entry, prefix)) continue;
        const int fd = ::openat(::dirfd(d), entry.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(d), entry.c_str(), 0);
        ::close(fd);
    }
    ::closedir(d);
}

std::string DirectoryOf(const std::string& path) { return GetPath(path).empty() ? std::string(".") : GetPath(path); }

} // namespace

std::string TempFilePattern(const std::string& target) {
    return JoinPath(DirectoryOf(target), TempPrefix(GetFileName(target)) + kRandom + kTempEnd);
}

AtomicFile::~AtomicFile() { Discard(); }

// The file to replace: the path, or the file a link at it names. Refuses what
// is not a plain file.
std::optional<std::string> AtomicFile::Resolve(const std::string& path) {
    target_ = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? std::nullopt : std::optional(Reason(errno));
    if (S_ISLNK(st.st_mode)) {
        char* real = ::realpath(path.c_str(), nullptr);
        if (real == nullptr) {
            const int error = errno;
            // A link to a name not yet taken in an existing directory would be
            // a new file; one that leads nowhere or in a circle is refused.
            return "it " + MissingReason(path, error);
        }
        target_ = real;
        std::free(real);
        if (::stat(target_.c_str(), &st) != 0) return Reason(errno);
    }
    if (!S_ISREG(st.st_mode)) return "it is " + KindOf(st.st_mode) + ", not a plain file";
    if (options_.refuseUnwritable) {
        if (auto refused = Unwritable(target_)) return refused;
    }
    if (options_.keepMode) mode_ = st.st_mode & 07777;
    return std::nullopt;
}

std::optional<std::string> AtomicFile::Open(const std::string& path) {
    Discard();
    mode_ = NewFileMode();
    if (auto refused = Resolve(path)) return refused;
    const std::string prefix = TempPrefix(GetFileName(target_));
    RemoveStaleTempFiles(DirectoryOf(target_), prefix);
    const std::string pattern = TempFilePattern(target_);
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    fd_ = ::mkostemps(temp.data(), static_cast<int>(std::strlen(kTempEnd)), O_CLOEXEC);
    if (fd_ < 0) return Reason(errno);
    temp_ = temp.data();
    slot_ = RememberTempFile(temp_);
    // The lock tells a later run that this file is being written, not left.
    ::flock(fd_, LOCK_EX);
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
    // A second descriptor keeps the lock until the rename, so that no other
    // run takes the closed file for one left behind.
    const int lock = ::dup(fd_);
    if (::close(fd_) != 0 && err == 0) err = errno;
    fd_ = -1;
    if (err == 0 && std::rename(temp_.c_str(), target_.c_str()) != 0) err = errno;
    if (lock >= 0) ::close(lock);
    if (err != 0) {
        Discard();
        return Reason(err);
    }
    ForgetTempFile(slot_);
    slot_ = -1;
    temp_.clear();
    return std::nullopt;
}

void AtomicFile::Discard() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
    ForgetTempFile(slot_);
    slot_ = -1;
    temp_.clear();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

} // namespace lumafold
