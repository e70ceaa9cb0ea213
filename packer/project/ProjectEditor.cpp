#include "ProjectEditor.h"

#include "CodePage.h"
#include "FileKind.h"
#include "Paths.h"
#include "TitleText.h"
#include "VarList.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumafold {
namespace {

constexpr const char* kCantAdd = "Can't add";

// The position of the first selected entry, 0 when none is selected.
int FirstSelected(const FileList& files) {
    for (int pos = 1; pos <= files.Count(); ++pos)
        if (files.At(pos).selected) return pos;
    return 0;
}

void ShowError(Prompter& p, const std::string& text) { Ask(p, text, Buttons::OK, Icon::Error, kCantAdd); }

} // namespace

void ProjectEditor::AddFile(const std::string& name, const std::string& directory) {
    Project& prj = ctx_.project;
    if (IsSiteName(name)) SetVarList(true);

    if (prj.files.FindName(name)) {
        if (!IsSiteName(name)) ShowError(ctx_.prompter, "File \"" + name + "\" does exist ");
        return;
    }
    const std::string fullPath = JoinPath(directory, name);
    if (!FitsCodePage(name) || !FitsCodePage(directory)) {
        ShowError(ctx_.prompter, "File \"" + fullPath + "\" can't be added: its path holds characters that the code page " +
                                     kCodePageName + " cannot hold ");
        return;
    }
    if (!directory.empty() && !CheckOnDisk(fullPath)) return;

    prj.files.Add(FileEntry{name, directory, false});
    EntryAdded();
}

bool ProjectEditor::CheckOnDisk(const std::string& fullPath) {
    struct stat st {};
    // A hidden file (a dot file here) is refused, as a directory is; the
    // message says which it is, "doesn't exist" only when nothing is there.
    std::optional<std::string> refused;
    if (GetFileName(fullPath).starts_with('.')) refused = "is a hidden file";
    else if (::stat(fullPath.c_str(), &st) != 0) refused = MissingReason(fullPath, errno);
    else if (!S_ISREG(st.st_mode)) refused = "is " + KindOf(st.st_mode) + ", not a plain file";
    if (refused) {
        ShowError(ctx_.prompter, "File \"" + fullPath + "\" " + *refused + " ... ");
        return false;
    }
    const int fd = ::open(fullPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ShowError(ctx_.prompter, "File \"" + fullPath + "\" can't be read: " + std::strerror(errno) + " ");
        return false;
    }
    ::close(fd);
    if (st.st_size > kMaxFileSize) {
        const std::string text = "File \"" + fullPath + "\" to long ... \r\n(max. " + std::to_string(kMaxFileSize) +
                                 " bytes)\r\nAdd to project?";
        if (Ask(ctx_.prompter, text, Buttons::YesNo, Icon::Question, "File too long") == Answer::No) return false;
    }
    return true;
}

void ProjectEditor::EntryAdded() {
    Elements& el = ctx_.el;
    el.cmdRemove = true;
    el.cmdGenerate = true;
    ctx_.project.modified = true;
    ctx_.project.PRJTimeStamp = TimeStampText(ctx_.clock);
    el.mnuClose = el.mnuSave = el.mnuSaveAs = el.mnuPrint = true;
}

void ProjectEditor::RemoveFile(const std::string& name) {
    Project& prj = ctx_.project;
    if (auto pos = prj.files.FindName(name)) {
        prj.files.RemoveAt(*pos);
        prj.modified = true;
    }
    if (prj.files.Empty()) {
        ctx_.el.cmdRemove = false;
        ctx_.el.cmdGenerate = false;
        ctx_.el.Label2.clear();
    }
}

void ProjectEditor::SetVarList(bool checked) {
    if (ctx_.el.chkVarList == checked) return;
    ctx_.el.chkVarList = checked;
    chkVarList_Change();
}

void ProjectEditor::chkVarList_Change() {
    for (int i = 1; i <= kSiteCount; ++i) {
        if (ctx_.el.chkVarList)
            AddFile(SiteName(i), "");
        else
            RemoveFile(SiteName(i));
    }
}

void ProjectEditor::cmdRemove_Click() {
    FileList& files = ctx_.project.files;
    // Handle the first selected entry until none is left: removing the four
    // sites at once may take entries before the one being handled, and a
    // position-based walk would then pass over a selected entry. The lookup
    // by the handled entry's own name always finds an entry, so every round
    // shortens the list; a round that took nothing out ends the walk.
    for (int pos = FirstSelected(files); pos > 0; pos = FirstSelected(files)) {
        const int before = files.Count();
        const std::string name = files.At(pos).name;
        ctx_.project.modified = true;
        if (IsSiteName(name)) {
            SetVarList(false);
            for (int i = 1; i <= kSiteCount; ++i) RemoveFile(SiteName(i));
        } else {
            RemoveFile(name);
        }
        if (files.Count() >= before) break;
    }
    if (files.Empty()) ctx_.el.cmdRemove = false;
}

void ProjectEditor::AddSelectedFiles(std::vector<BrowserRow>& rows, const std::string& directory) {
    for (BrowserRow& row : rows) {
        if (!row.selected) continue;
        row.selected = false;
        AddFile(row.name, directory);
    }
    ctx_.el.cmdAdd = false;
}

void ProjectEditor::SelectFilter(int item) { SetFilterText(kFilterItems.at(static_cast<size_t>(item - 1))); }

void ProjectEditor::SetFilterText(const std::string& text) {
    if (ctx_.el.Combo1Text == text) return;
    ctx_.el.Combo1Text = text;
    ctx_.hooks.FilterChanged(text);
}

void ProjectEditor::ClearProject(const std::string& fileName, const std::string& directory) {
    Project& prj = ctx_.project;
    Elements& el = ctx_.el;
    SelectFilter(2);
    el.Label2.clear();
    el.ProgressBar1Value = 0;
    SetVarList(false);
    prj.files.Clear();
    el.cmdRemove = false;
    el.cmdGenerate = false;
    prj.modified = false;
    prj.projectFile = fileName;
    prj.projectDir = directory;
    prj.PRJTimeStamp = TimeStampText(ctx_.clock);
    prj.awlFile.clear();
    prj.awlDir.clear();
    prj.AWLTimeStamp.clear();
    prj.IndexDB = kDefaultIndexDB;
    el.MaskEdBox1 = IndexDBDisplayText(prj.IndexDB);
}

void ProjectEditor::ResetProject() {
    ClearProject("", "");
    ctx_.el.Caption = kTitleText;
    Elements& el = ctx_.el;
    el.mnuPrint = el.mnuSave = el.mnuSaveAs = el.mnuClose = false;
}

} // namespace lumafold
