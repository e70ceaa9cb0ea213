#include "ReportTable.h"

#include "VarList.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace lumafold {
namespace {

constexpr int64_t kIndexBlockSize = 116;
constexpr int64_t kDirectoryElementSize = 52;

// The length of a regular file that can be opened for reading: the generator
// will need its bytes, so a file it could not read is named now, not later.
std::optional<int64_t> ReadableLength(const std::string& path, std::string& failure) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        failure = "File \"" + path + "\" doesn't exist ... ";
        return std::nullopt;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        failure = "File \"" + path + "\" can't be read: " + std::strerror(errno) + " ";
        return std::nullopt;
    }
    ::close(fd);
    return static_cast<int64_t>(st.st_size);
}

} // namespace

int64_t EntrySize(int64_t length) {
    const bool bothArrays = length >= 4 && length % 4 != 0;
    const int64_t size = length + (bothArrays ? 100 : 92);
    return size % 2 == 0 ? size : size + 1;
}

TableOutcome CollectTable(const Project& project) {
    TableOutcome out;
    const FileList& files = project.files;
    out.table.usedMemory = kIndexBlockSize;
    for (int pos = 1; pos <= files.Count(); ++pos) {
        const FileEntry& entry = files.At(pos);
        ReportRow row{entry.name, int64_t{project.IndexDB} + pos, kSiteSize};
        if (!IsSite(entry.name)) {
            row.printedName = entry.GetFullPath();
            const std::optional<int64_t> length = ReadableLength(row.printedName, out.failure);
            if (!length) return out;
            row.size = EntrySize(*length);
        }
        out.table.usedMemory += kDirectoryElementSize + row.size;
        out.table.rows.push_back(std::move(row));
    }
    out.ok = true;
    return out;
}

} // namespace lumafold
