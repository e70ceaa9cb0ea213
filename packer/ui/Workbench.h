// The main window's behaviour without the window: it owns the one project and
// the state of every element, and runs every command. The Qt window binds its
// widgets to this state and forwards events; it decides nothing itself.
#pragma once

#include "BrowserRow.h"
#include "ProjectContext.h"
#include "ProjectEditor.h"

#include <string>
#include <vector>

namespace lumafold {

class ReportPrinter;

class Workbench {
public:
    Workbench(Prompter& prompter, const Clock& clock, WindowHooks& hooks, std::string programDir);
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    ProjectContext& Context() { return ctx_; }
    const Project& Prj() const { return ctx_.project; }
    Project& Prj() { return ctx_.project; }
    const Elements& El() const { return ctx_.el; }
    Elements& El() { return ctx_.el; }
    ProjectEditor& Editor() { return editor_; }

    // True while a long command runs; every command refuses to act meanwhile,
    // since the window keeps delivering events during such a run.
    bool Busy() const { return busy_; }

    // Start-up: the reset to a new project (the placement is the window's).
    void Form_Load();
    // LoadProject with an empty name resets to a new project.
    void LoadProject(const std::string& fileName, const std::string& directory);

    void mnuNew_Click();
    void mnuClose_Click();
    void mnuAbout_Click();
    void chkVarList_Click(bool checked);
    void cmdRemove_Click();
    // The browser's Add button and double click: adds the selected rows.
    void cmdAdd_Click(std::vector<BrowserRow>& rows, const std::string& directory);
    // Selection of lstPrjList rows, positions 1..n.
    void SetListSelection(const std::vector<int>& positions);

    // The project file's commands (WorkbenchFile.cpp).
    // withoutAsking false: the offer to save, which asks "Save ...?" and does
    // nothing for an unmodified project. saveAs: the Save-as dialog always.
    void SaveProject(bool withoutAsking, bool saveAs);
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    // Shut-down: the offer to save, which cannot keep the window open.
    void Form_Unload();

    // A project file named on the command line or dropped onto the list,
    // opened as the Open command opens the file its dialog chose: the offer to
    // save first; a name that does not exist gives an empty project under it
    // (WorkbenchDrop.cpp).
    void OpenProjectFile(const std::string& path);
    // Files dropped onto lstPrjList: the first project file (".F2D", any case)
    // among them is opened and the rest left alone; without one, every path
    // goes to AddFile in the order dropped, with its checks and messages.
    void DropFiles(const std::vector<std::string>& paths);

    // The Generate command (WorkbenchGenerate.cpp).
    void cmdGenerate_Click();

    // The printed report (WorkbenchPrint.cpp). The window hands in the printer
    // its print dialog chooses; without one, Print prints nothing.
    void SetPrinter(ReportPrinter* printer) { printer_ = printer; }
    void mnuPrint_Click();

    // The IndexDB field (WorkbenchIndexDB.cpp).
    void MaskEdBox1_GotFocus();
    void MaskEdBox1_Validate(const std::string& text);
    // True when the focus must go back into the field.
    bool MaskEdBox1_LostFocus();

protected:
    // Marks a long command as running for its lifetime.
    class BusyScope {
    public:
        explicit BusyScope(Workbench& wb) : wb_(wb) { wb_.busy_ = true; }
        ~BusyScope() { wb_.busy_ = false; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        Workbench& wb_;
    };

private:
    ProjectContext ctx_;
    ProjectEditor editor_;
    bool busy_ = false;
    ReportPrinter* printer_ = nullptr;
    // The IndexDB field: its text when it was last entered, and whether the
    // focus must go back into it after a refused value.
    std::string indexDBEntered_;
    bool indexDBRefocus_ = false;
};

} // namespace lumafold
