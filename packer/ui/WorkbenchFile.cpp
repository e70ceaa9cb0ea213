// The project file's commands of the workbench.
#include "Workbench.h"

namespace lumafold {

void Workbench::SaveProject(bool /*save*/, bool /*saveAs*/) {}
void Workbench::mnuOpen_Click() {}
void Workbench::mnuSave_Click() { SaveProject(true, false); }
void Workbench::mnuSaveAs_Click() { SaveProject(true, true); }
void Workbench::Form_Unload() { SaveProject(false, false); }

} // namespace lumafold
