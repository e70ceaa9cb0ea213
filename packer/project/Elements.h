// The state of the main window's elements that the project's operations drive.
// The Qt window shows this state; it decides nothing itself.
#pragma once

#include <array>
#include <string>

namespace lumafold {

// The filter items of Combo1, items 1 to 3.
inline const std::array<std::string, 3> kFilterItems = {"*.*", "*.HTM;*.HTML", "*.GIF;*.JPG;*.BMP"};

struct Elements {
    bool chkVarList = false;
    bool cmdAdd = false;
    bool cmdRemove = false;
    bool cmdGenerate = false;
    bool mnuClose = false;
    bool mnuSave = false;
    bool mnuSaveAs = false;
    bool mnuPrint = false;
    std::string Label2;              // status line
    int ProgressBar1Max = 100;
    int ProgressBar1Value = 0;
    std::string Caption;             // window title
    std::string MaskEdBox1;          // text of the IndexDB field
    std::string Combo1Text;          // the file-type filter
};

// What the project's operations ask of the window beyond its element state.
class WindowHooks {
public:
    virtual ~WindowHooks() = default;
    // Combo1's text changed: the file list takes it as its pattern.
    virtual void FilterChanged(const std::string& /*pattern*/) {}
    // Re-read the browser's file list (a new AWL file may have appeared).
    virtual void RefreshFileList() {}
    // Let the window repaint during a long command.
    virtual void ProcessPendingEvents() {}
};

} // namespace lumafold
