// One run of lumafold-gen that reads an AWL source back: extracting its
// files, listing them, or verifying them against a project's files on disk.
#pragma once

#include "ReadBackOptions.h"

#include <ostream>

namespace lumafold::batch {

int RunReadBack(const ReadBackOptions& options, std::ostream& out, std::ostream& err);

} // namespace lumafold::batch
