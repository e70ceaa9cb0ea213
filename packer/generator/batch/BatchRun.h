// One run of lumafold-gen: the project file loaded as Open loads it, planned
// and written as the Generate command does, with every question turned into
// an error (or, with --skip-invalid, a warning) on the error stream.
#pragma once

#include "BatchOptions.h"
#include "Clock.h"

#include <ostream>

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

} // namespace lumafold::batch
