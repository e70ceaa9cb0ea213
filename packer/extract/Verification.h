// Whether an AWL source holds exactly a project's files as they are on disk
// now: the same names in the plan's order and blocks, the same bytes (VarList
// sites as 1024 zero bytes). Every file that differs, is missing or is extra
// is named; each file on disk is read once.
#pragma once

#include "AwlContent.h"
#include "BlockPlan.h"

#include <string>
#include <vector>

namespace lumafold::extract {

// An entry of the project that cannot be packed as it stands (missing,
// empty, too long, ...), which planning has left out.
struct UnpackableEntry {
    std::string name;    // UTF-8
    std::string reason;
};

struct VerifyReport {
    std::vector<std::string> differences;  // one line each, in plan order, then the extra files
    int files = 0;                         // the project's entries compared
    bool Agrees() const { return differences.empty(); }
};

VerifyReport Verify(int indexDB, const std::vector<PlannedEntry>& planned, const std::vector<UnpackableEntry>& unpackable,
                    const AwlContent& awl);

} // namespace lumafold::extract
