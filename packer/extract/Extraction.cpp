#include "Extraction.h"

#include "AtomicFile.h"
#include "Paths.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lumafold::extract {
namespace {

// A link at path is removed, as an unpacking tool does: the file takes its
// place instead of landing wherever the link leads.
std::optional<std::string> RemoveLink(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return std::nullopt;
    if (::unlink(path.c_str()) != 0) return std::strerror(errno);
    return std::nullopt;
}

} // namespace

std::optional<ExtractionFailure> ExtractFiles(const AwlContent& content, const std::string& directory,
                                              std::vector<std::string>& written) {
    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    if (ec) return ExtractionFailure{directory, ec.message()};
    if (!std::filesystem::is_directory(directory, ec)) return ExtractionFailure{directory, "not a directory"};
    for (const PackedFile& f : content.files) {
        const std::string path = JoinPath(directory, f.name);
        AtomicFile file(kFreshFile);
        std::optional<std::string> reason = RemoveLink(path);
        if (!reason) reason = file.Open(path);
        if (!reason && file.Target() != path) reason = "a link stands there, which is not followed";
        if (!reason) reason = file.Append(f.bytes.data(), f.bytes.size());
        if (!reason) reason = file.Commit();
        if (reason) return ExtractionFailure{path, *reason};
        written.push_back(path);
    }
    return std::nullopt;
}

} // namespace lumafold::extract
