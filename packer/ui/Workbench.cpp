#include "Workbench.h"

#include "ProjectStore.h"
#include "TitleText.h"

namespace lumafold {

Workbench::Workbench(Prompter& prompter, const Clock& clock, WindowHooks& hooks, std::string programDir)
    : ctx_(prompter, clock, hooks, std::move(programDir)), editor_(ctx_) {}

void Workbench::Form_Load() { LoadProject("", ""); }

void Workbench::LoadProject(const std::string& fileName, const std::string& directory) {
    ProjectStore(ctx_, editor_).LoadProject(fileName, directory);
}

void Workbench::mnuNew_Click() {
    if (busy_) return;
    SaveProject(false, false);
    LoadProject("", "");
}

void Workbench::mnuClose_Click() { mnuNew_Click(); }

void Workbench::mnuAbout_Click() {
    if (busy_) return;
    Ask(ctx_.prompter, kTitleText, Buttons::OK, Icon::Information, "About");
}

void Workbench::chkVarList_Click(bool checked) {
    if (busy_) return;
    editor_.SetVarList(checked);
}

void Workbench::cmdRemove_Click() {
    if (busy_) return;
    editor_.cmdRemove_Click();
}

void Workbench::cmdAdd_Click(std::vector<BrowserRow>& rows, const std::string& directory) {
    if (busy_) return;
    editor_.AddSelectedFiles(rows, directory);
}

void Workbench::SetListSelection(const std::vector<int>& positions) {
    FileList& files = ctx_.project.files;
    for (int pos = 1; pos <= files.Count(); ++pos) files.At(pos).selected = false;
    for (int pos : positions)
        if (pos >= 1 && pos <= files.Count()) files.At(pos).selected = true;
}

} // namespace lumafold
