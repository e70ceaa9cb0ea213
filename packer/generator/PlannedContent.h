// The bytes a planned entry packs: L bytes of the real file from its first
// byte, read when its block is due, or 1024 zero bytes for a VarList site.
#pragma once

#include "AwlWriter.h"
#include "BlockPlan.h"

#include <optional>
#include <vector>

namespace lumafold {

// content gets the entry's bytes; a file that cannot be read or is now
// shorter than planned is a failure of Where::Source.
std::optional<WriteFailure> ReadPlannedContent(const PlannedEntry& entry, std::vector<unsigned char>& content);

} // namespace lumafold
