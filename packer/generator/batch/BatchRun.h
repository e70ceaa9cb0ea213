// One run of lumafold-gen: the project file loaded as Open loads it, planned
// and written as the Generate command does, with every question turned into
// an error (or, with --skip-invalid, a warning) on the error stream.
#pragma once

#include "BatchOptions.h"
#include "BlockPlan.h"
#include "Clock.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lumafold::batch {

enum ExitCode : int {
    kExitGenerated = 0,
    kExitNotGenerated = 1,  // the project cannot be generated as it stands
    kExitUsage = 2,
    kExitWriteFailed = 3,
    kExitUntrusted = 4,     // an AWL source read back is refused
    kExitDiffers = 5,       // --verify: the source does not hold the project's files
};

int RunBatch(const BatchOptions& options, const Clock& clock, std::ostream& out, std::ostream& err);

// A project file loaded and planned as a run loads and plans it, but with
// every entry that cannot be packed as it stands left out and noted.
struct ProjectPlan {
    int indexDB = 0;
    std::vector<PlannedEntry> planned;
    struct LeftOut {
        std::string name;
        std::string reason;
    };
    std::vector<LeftOut> leftOut;  // refused on loading, then by planning
};
// Nothing, after a message on err, when the project itself cannot be planned.
std::optional<ProjectPlan> PlanProjectFile(const std::string& project, std::ostream& err);

} // namespace lumafold::batch
