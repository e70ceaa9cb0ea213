#include "PlannedContent.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace lumafold {

std::optional<WriteFailure> ReadPlannedContent(const PlannedEntry& e, std::vector<unsigned char>& content) {
    content.assign(static_cast<size_t>(e.length), 0);
    if (e.site) return std::nullopt;
    auto fail = [&](const std::string& reason) {
        return WriteFailure{WriteFailure::Where::Source, e.source, reason};
    };
    const int fd = ::open(e.source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail(std::strerror(errno));
    size_t got = 0;
    int err = 0;
    while (got < content.size()) {
        const ssize_t n = ::read(fd, content.data() + got, content.size() - got);
        if (n > 0) {
            got += static_cast<size_t>(n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            err = errno;
            break;
        }
    }
    ::close(fd);
    if (err != 0) return fail(std::strerror(err));
    if (got < content.size())
        return fail("it holds " + std::to_string(got) + " bytes now, " + std::to_string(e.length) +
                    " when the run began");
    return std::nullopt;
}

} // namespace lumafold
