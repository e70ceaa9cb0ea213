// The Print command of the workbench.
#include "Workbench.h"

#include "PrintReport.h"

namespace lumafold {

void Workbench::mnuPrint_Click() {
    if (busy_ || printer_ == nullptr) return;
    // The window processes its events once after the print dialog; meanwhile
    // no other command may touch the project.
    BusyScope busy(*this);
    PrintReport(ctx_, *printer_);
}

} // namespace lumafold
