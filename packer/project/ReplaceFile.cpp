#include "ReplaceFile.h"

#include "AtomicFile.h"
#include "FileKind.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lumafold {
namespace {

std::string Reason(int error) { return std::strerror(error); }

} // namespace

std::optional<std::string> ReplaceFile(const std::string& path, const std::string& bytes) {
    AtomicFile file(kReplaceInPlace);
    if (auto reason = file.Open(path)) return reason;
    if (auto reason = file.Append(bytes.data(), bytes.size())) return reason;
    return file.Commit();
}

FileRead ReadWholeFile(const std::string& path, size_t maxBytes) {
    FileRead r;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) r.status = FileRead::Status::Missing;
        r.reason = error == ELOOP ? "it " + MissingReason(path, error) : Reason(error);
        return r;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        r.reason = "it is " + KindOf(st.st_mode) + ", not a plain file";
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
