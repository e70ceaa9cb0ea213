#include "BlockPlan.h"

namespace lumafold {

int64_t BlockPlan::TotalBytes() const {
    int64_t total = 0;
    for (const PlannedEntry& e : entries) total += e.length;
    return total;
}

} // namespace lumafold
