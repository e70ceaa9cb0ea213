// The project file's commands of the workbench.
#include "Workbench.h"

#include "ProjectStore.h"

namespace lumafold {

void Workbench::SaveProject(bool withoutAsking, bool saveAs) {
    ProjectStore(ctx_, editor_).SaveProject(withoutAsking, saveAs);
}

void Workbench::mnuOpen_Click() {
    if (busy_) return;
    ProjectStore(ctx_, editor_).Open();
}

void Workbench::mnuSave_Click() {
    if (busy_) return;
    SaveProject(true, false);
}

void Workbench::mnuSaveAs_Click() {
    if (busy_) return;
    SaveProject(true, true);
}

// Shut-down's offer to save; like every handler it does nothing while a long
// command runs.
void Workbench::Form_Unload() {
    if (busy_) return;
    SaveProject(false, false);
}

} // namespace lumafold
