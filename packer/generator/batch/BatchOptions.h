// The command line of lumafold-gen: the project file, the output and whether
// questionable files are left out instead of ending the run.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumafold::batch {

struct BatchOptions {
    std::string project;
    std::string output;         // empty: the project's AWL source, else its name with .AWL beside it
    bool skipInvalid = false;
    bool help = false;
};

// Nothing, with problem set, for a command line that cannot be run.
std::optional<BatchOptions> ParseArguments(const std::vector<std::string>& args, std::string& problem);

std::string UsageText();

} // namespace lumafold::batch
