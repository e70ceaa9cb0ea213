// Adding and removing entries, the VarList check box, and the reset to a new
// project: every entry reaches the list through AddFile.
#pragma once

#include "BrowserRow.h"
#include "ProjectContext.h"

#include <string>
#include <vector>

namespace lumafold {

inline constexpr long long kMaxFileSize = 32767;

class ProjectEditor {
public:
    explicit ProjectEditor(ProjectContext& ctx) : ctx_(ctx) {}

    void AddFile(const std::string& name, const std::string& directory);
    void RemoveFile(const std::string& name);

    // Sets chkVarList; its change handling runs only when the state changes.
    void SetVarList(bool checked);

    // The Remove button: removes every selected entry of lstPrjList.
    void cmdRemove_Click();

    // Adds the selected rows of the browser's file list from its directory,
    // clearing each row's selection; disables cmdAdd at the end.
    void AddSelectedFiles(std::vector<BrowserRow>& rows, const std::string& directory);

    // Selects filter item 1..3 of Combo1 and applies it.
    void SelectFilter(int item);
    // Sets Combo1's text; the file list follows when it changed.
    void SetFilterText(const std::string& text);

    // The clearing steps shared by the reset and loading a project file.
    void ClearProject(const std::string& fileName, const std::string& directory);
    // The reset to a new project (start-up, New, Close).
    void ResetProject();

private:
    void chkVarList_Change();
    void EntryAdded();
    bool CheckOnDisk(const std::string& fullPath);

    ProjectContext& ctx_;
};

} // namespace lumafold
