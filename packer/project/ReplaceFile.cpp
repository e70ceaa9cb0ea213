#include "ReplaceFile.h"

#include "Paths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lumafold {
namespace {

std::string Reason(int error) { return std::strerror(error); }

// A link keeps pointing at the file it named: that file is replaced, not the link.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string target = real;
    std::free(real);
    return target;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The mode the new file gets; a reason when the existing target must stay.
std::optional<std::string> CheckTarget(const std::string& target, mode_t& mode) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        mode = NewFileMode();
        return std::nullopt;
    }
    if (S_ISDIR(st.st_mode)) return Reason(EISDIR);
    if (!S_ISREG(st.st_mode)) return std::string("not a plain file");
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Reason(errno);
    ::close(fd);
    mode = st.st_mode & 07777;
    return std::nullopt;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

std::optional<std::string> ReplaceFile(const std::string& path, const std::string& bytes) {
    const std::string target = ResolvedTarget(path);
    mode_t mode = 0;
    if (auto refused = CheckTarget(target, mode)) return refused;

    const std::string dir = GetPath(target).empty() ? std::string(".") : GetPath(target);
    std::string pattern = JoinPath(dir, "." + GetFileName(target) + ".XXXXXX");
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return Reason(errno);

    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.data(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok) return std::nullopt;
    ::unlink(temp.data());
    return Reason(error);
}

FileRead ReadWholeFile(const std::string& path, size_t maxBytes) {
    FileRead r;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) r.status = FileRead::Status::Missing;
        r.reason = Reason(errno);
        return r;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        r.reason = S_ISDIR(st.st_mode) ? Reason(EISDIR) : "not a plain file";
    } else if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        r.reason = "larger than " + std::to_string(maxBytes) + " bytes";
    } else {
        std::vector<char> buf(64 * 1024);
        ssize_t n = 0;
        while ((n = ::read(fd, buf.data(), buf.size())) > 0 || (n < 0 && errno == EINTR)) {
            if (n > 0) r.bytes.append(buf.data(), static_cast<size_t>(n));
            if (r.bytes.size() > maxBytes) break;
        }
        if (n < 0) r.reason = Reason(errno);
        else if (r.bytes.size() > maxBytes) r.reason = "larger than " + std::to_string(maxBytes) + " bytes";
        else r.status = FileRead::Status::Read;
    }
    ::close(fd);
    if (r.status != FileRead::Status::Read) r.bytes.clear();
    return r;
}

} // namespace lumafold
