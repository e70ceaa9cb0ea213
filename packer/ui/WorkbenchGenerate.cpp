// The Generate command of the workbench.
#include "Workbench.h"

namespace lumafold {

void Workbench::cmdGenerate_Click() {}

} // namespace lumafold
