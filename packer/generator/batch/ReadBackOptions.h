// The command line of lumafold-gen's modes that read an AWL source back:
// --extract SOURCE -d DIR, --list SOURCE and --verify PROJECT SOURCE.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumafold::batch {

struct ReadBackOptions {
    enum class Mode { Extract, List, Verify };
    Mode mode = Mode::Extract;
    std::string source;     // the AWL source
    std::string directory;  // --extract: where the files go
    std::string project;    // --verify: the project file
};

// Whether args ask for one of these modes rather than for generating.
bool IsReadBack(const std::vector<std::string>& args);

// Nothing, with problem set, for a command line that cannot be run.
std::optional<ReadBackOptions> ParseReadBack(const std::vector<std::string>& args, std::string& problem);

// The usage lines of these modes, and what they do, for lumafold-gen --help.
std::string ReadBackUsageLines();
std::string ReadBackHelpText();

} // namespace lumafold::batch
