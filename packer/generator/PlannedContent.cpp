#include "PlannedContent.h"

#include "FileKind.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace lumafold {
namespace {

// Reads exactly the planned length; why not, when the file is no longer the
// plain file of that length that planning saw.
std::optional<std::string> ReadPlanned(int fd, int32_t length, std::vector<unsigned char>& content) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::string(std::strerror(errno));
    if (!S_ISREG(st.st_mode)) return "it is " + KindOf(st.st_mode) + " now, not a plain file";
    auto changed = [&](long long now) {
        return "it holds " + std::to_string(now) + " bytes now, " + std::to_string(length) + " when the run began";
    };
    if (st.st_size != length) return changed(st.st_size);
    size_t got = 0;
    while (got < content.size()) {
        const ssize_t n = ::read(fd, content.data() + got, content.size() - got);
        if (n > 0) {
            got += static_cast<size_t>(n);
        } else if (n == 0) {
            return changed(static_cast<long long>(got));
        } else if (errno != EINTR) {
            return std::string(std::strerror(errno));
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<WriteFailure> ReadPlannedContent(const PlannedEntry& e, std::vector<unsigned char>& content) {
    content.assign(static_cast<size_t>(e.length), 0);
    if (e.site) return std::nullopt;
    auto fail = [&](const std::string& reason) {
        return WriteFailure{WriteFailure::Where::Source, e.source, reason};
    };
    // Without blocking: a FIFO put in the file's place must not hang the run.
    const int fd = ::open(e.source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return fail(error == ENOENT || error == ELOOP ? "it " + MissingReason(e.source, error) : std::strerror(error));
    }
    const auto reason = ReadPlanned(fd, e.length, content);
    ::close(fd);
    if (reason) return fail(*reason);
    return std::nullopt;
}

} // namespace lumafold
