#include "ProjectStore.h"

#include "Paths.h"
#include "ProjectFileFormat.h"
#include "ProjectFileWriter.h"
#include "ReplaceFile.h"
#include "TitleText.h"

#include <filesystem>

namespace lumafold {
namespace {

constexpr size_t kMaxProblemsShown = 10;

void ShowError(Prompter& p, const std::string& text, const std::string& title) {
    Ask(p, text, Buttons::OK, Icon::Error, title);
}

} // namespace

FileDialog ProjectStore::ProjectDialog(FileDialog::Kind kind) const {
    const Project& prj = ctx_.project;
    FileDialog d;
    d.kind = kind;
    const bool save = kind == FileDialog::Kind::Save;
    d.DialogTitle = save ? "Save project as" : "Open project";
    d.Filter = std::string("All Files (*.*)|*.*|") + "Lumafold Project (*" + prjfile::kExtension + ")|*" +
               prjfile::kExtension;
    d.FilterIndex = 2;
    d.DefaultExt = prjfile::kExtension;
    d.Flags = save ? dlg::SaveFlags : dlg::OpenFlags;
    if (!prj.projectDir.empty() && !prj.projectFile.empty()) {
        d.InitDir = prj.projectDir;
        d.FileName = prj.projectFile;
    } else {
        d.InitDir = ctx_.programDir;
    }
    return d;
}

void ProjectStore::SaveProject(bool withoutAsking, bool saveAs) {
    Project& prj = ctx_.project;
    if (!withoutAsking && !OfferAccepted()) return;
    std::string path = prj.ProjectPath();
    const bool dialog = prj.projectFile.empty() || saveAs;
    if (dialog) {
        const auto choice = ctx_.prompter.ShowFileDialog(ProjectDialog(FileDialog::Kind::Save));
        if (!choice || GetFileName(choice->FileName).empty()) return;
        path = choice->FileName;
    }
    // The project takes the chosen name only once its file is written, so
    // that a failed Save as leaves it tied to the file it came from.
    if (!WriteTo(path)) return;
    if (dialog) {
        prj.projectDir = DirectorySetting(path);
        prj.projectFile = GetFileName(path);
        ctx_.el.Caption = std::string(kTitleText) + "(" + path + ")";
    }
    prj.modified = false;
}

bool ProjectStore::OfferAccepted() {
    const Project& prj = ctx_.project;
    if (!prj.modified) return false;
    const Message m{"Save " + prj.projectDir + prj.projectFile + "?", Buttons::YesNo, Icon::None, "", true};
    return ctx_.prompter.MsgBox(m) != Answer::No;
}

bool ProjectStore::WriteTo(const std::string& path) {
    std::string problem;
    auto bytes = ProjectFileBytes(ctx_.project, problem);
    if (!bytes) {
        ShowError(ctx_.prompter, "File \"" + path + "\" can't be saved: " + problem + " ", "Can't save");
        return false;
    }
    if (auto reason = ReplaceFile(path, *bytes)) {
        ShowError(ctx_.prompter, "File \"" + path + "\" can't be saved: " + *reason + " ", "Can't save");
        return false;
    }
    return true;
}

void ProjectStore::Open() {
    SaveProject(false, false);
    const auto choice = ctx_.prompter.ShowFileDialog(ProjectDialog(FileDialog::Kind::Open));
    if (!choice) return;
    const std::string& path = choice->FileName;
    std::string title = choice->FileTitle;
    if (title.empty() || title.find(kSep) != std::string::npos || !path.ends_with(title)) title = GetFileName(path);
    if (title.empty()) return;
    LoadProject(title, path.substr(0, path.size() - title.size()));
    ctx_.project.modified = false;
}

void ProjectStore::LoadProject(const std::string& fileName, const std::string& directory) {
    if (fileName.empty()) {
        editor_.ResetProject();
        return;
    }
    editor_.ClearProject(fileName, directory);
    ctx_.el.Caption = std::string(kTitleText) + " (" + directory + fileName + ")";
    ctx_.project.awlFile = AwlFileNameFor(fileName);
    ReadFile(directory + fileName);
}

void ProjectStore::ReadFile(const std::string& path) {
    const FileRead read = ReadWholeFile(path, kMaxProjectFileBytes);
    if (read.status == FileRead::Status::Missing) return;
    // A file that cannot be read, or is no project file, must not stay the
    // project's file: a later Save would overwrite it. The project becomes a
    // new, unnamed one instead.
    if (read.status == FileRead::Status::Failed) {
        ShowError(ctx_.prompter, "File \"" + path + "\" can't be read: " + read.reason + " ", "Can't open");
        editor_.ResetProject();
        return;
    }
    const ProjectFileContent content = ReadProjectFile(read.bytes);
    if (!content.isProjectFile) {
        ShowError(ctx_.prompter, "File \"" + path + "\" is not a project file ", "Can't open");
        editor_.ResetProject();
        return;
    }
    ShowNotes(path, content.problems, "holds lines that were not taken", Icon::Error, "");
    ShowNotes(path, content.notRead, "holds lines that were not read", Icon::Information, kLinesNotRead);
    Apply(content);
}

void ProjectStore::ShowNotes(const std::string& path, const LineNotes& notes, const std::string& heading,
                             Icon icon, const std::string& title) {
    if (notes.empty()) return;
    std::string text = "File \"" + path + "\" " + heading + ":";
    for (size_t i = 0; i < notes.texts.size() && i < kMaxProblemsShown; ++i) text += "\r\n" + notes.texts[i];
    if (notes.count > kMaxProblemsShown)
        text += "\r\n(and " + std::to_string(notes.count - kMaxProblemsShown) + " more)";
    Ask(ctx_.prompter, text, Buttons::OK, icon, title);
}

// A relative path in the file is taken from the project file's directory, so
// that a project can travel with its site.
std::string ProjectStore::Resolved(const std::string& path) const {
    const std::string& base = ctx_.project.projectDir;
    if (path.empty() || path.front() == kSep || base.empty()) return path;
    return std::filesystem::path(base + path).lexically_normal().string();
}

void ProjectStore::Apply(const ProjectFileContent& content) {
    Project& prj = ctx_.project;
    if (content.IndexDB) prj.IndexDB = *content.IndexDB;
    ctx_.el.MaskEdBox1 = IndexDBDisplayText(prj.IndexDB);
    if (content.AWLSource) {
        const std::string source = Resolved(*content.AWLSource);
        prj.awlDir = GetPath(source).empty() ? prj.projectDir : DirectorySetting(source);
        prj.awlFile = GetFileName(source);
    }
    if (content.AWLTimeStamp) prj.AWLTimeStamp = *content.AWLTimeStamp;
    for (const std::string& value : content.files) {
        const std::string dir = GetPath(value);
        editor_.AddFile(GetFileName(value), dir.empty() ? dir : Resolved(dir));
    }
    // Every entry added above stamped the present time; the file's own stamp
    // is the one that counts.
    prj.PRJTimeStamp = content.PRJTimeStamp.value_or("");
}

} // namespace lumafold
