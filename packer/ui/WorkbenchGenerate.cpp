// The Generate command of the workbench.
#include "GenerateCommand.h"
#include "Workbench.h"

namespace lumafold {

void Workbench::cmdGenerate_Click() {
    if (busy_) return;
    BusyScope busy(*this);
    GenerateCommand(ctx_).Run();
}

} // namespace lumafold
