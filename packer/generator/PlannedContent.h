// The bytes a planned entry packs: L bytes of the real file from its first
// byte, read when its block is due, or 1024 zero bytes for a VarList site.
#pragma once

#include "AwlWriter.h"
#include "BlockPlan.h"

#include <optional>
#include <vector>

namespace lumafold {

// content gets the entry's bytes; a file that cannot be read, or is no
// longer the plain file of the planned length (it grew, shrank or was
// replaced by a FIFO), is a failure of Where::Source. Opening never blocks.
std::optional<WriteFailure> ReadPlannedContent(const PlannedEntry& entry, std::vector<unsigned char>& content);

} // namespace lumafold
