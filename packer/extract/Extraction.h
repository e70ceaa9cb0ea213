// Writes the files of a read source into one directory, each under its name
// and each atomically: a file there is replaced only by a complete new one,
// and a link in its place is removed, never followed out of the directory.
#pragma once

#include "AwlContent.h"

#include <optional>
#include <string>
#include <vector>

namespace lumafold::extract {

struct ExtractionFailure {
    std::string path;
    std::string reason;
};

// directory is made when it does not exist. written receives the path of
// every file completed, also when a later one fails.
std::optional<ExtractionFailure> ExtractFiles(const AwlContent& content, const std::string& directory,
                                              std::vector<std::string>& written);

} // namespace lumafold::extract
