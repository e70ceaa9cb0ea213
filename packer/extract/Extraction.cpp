#include "Extraction.h"

#include "AtomicFile.h"
#include "Paths.h"

#include <filesystem>

namespace lumafold::extract {

std::optional<ExtractionFailure> ExtractFiles(const AwlContent& content, const std::string& directory,
                                              std::vector<std::string>& written) {
    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    if (ec) return ExtractionFailure{directory, ec.message()};
    if (!std::filesystem::is_directory(directory, ec)) return ExtractionFailure{directory, "not a directory"};
    for (const PackedFile& f : content.files) {
        const std::string path = JoinPath(directory, f.name);
        AtomicFile file(kFreshFile);
        std::optional<std::string> reason = file.Open(path);
        if (!reason) reason = file.Append(f.bytes.data(), f.bytes.size());
        if (!reason) reason = file.Commit();
        if (reason) return ExtractionFailure{path, *reason};
        written.push_back(path);
    }
    return std::nullopt;
}

} // namespace lumafold::extract
