// The Print command of the workbench.
#include "Workbench.h"

namespace lumafold {

void Workbench::mnuPrint_Click() {}

} // namespace lumafold
