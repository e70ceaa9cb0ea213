// The largest project Lumafold takes, written to disk for the benchmarks:
// IndexDB 1 and 1022 real files of 32767 random bytes (fixed seed), with the
// project file that lists them.
#pragma once

#include "Project.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumafold::bench {

inline constexpr int kWorstCaseFiles = 1022;
inline constexpr int32_t kWorstCaseFileBytes = 32767;
inline constexpr int16_t kWorstCaseIndexDB = 1;
inline constexpr uint64_t kWorstCaseSeed = 20020305;

struct WorstCaseProject {
    Project project;                 // the model, as loading the project file gives it
    std::string projectPath;         // the project file (.F2D)
    std::string awlPath;             // where its AWL source is meant to go
    std::vector<std::string> files;  // the data files, in list order
    int64_t inputBytes = 0;          // sum of the files' sizes
};

// Writes the project into directory (which must exist): the data files in
// its sub-directory "files" and the project file "worstcase.F2D". The same
// seed gives the same bytes. error says what failed when nothing is returned.
std::optional<WorstCaseProject> WriteWorstCaseProject(const std::string& directory, std::string& error,
                                                       uint64_t seed = kWorstCaseSeed);

} // namespace lumafold::bench
