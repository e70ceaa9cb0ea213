// Saving, opening and loading project files for the one project: the offer
// to save, Save, Save as, the Open command and LoadProject with a file name.
// Every stored entry comes back through AddFile with all its checks.
#pragma once

#include "ProjectContext.h"
#include "ProjectEditor.h"
#include "ProjectFileReader.h"

#include <string>
#include <vector>

namespace lumafold {

// Project files larger than this are refused unread: no real project comes near.
inline constexpr size_t kMaxProjectFileBytes = 16 * 1024 * 1024;
// The title of the one message a load shows about lines that are no keys.
inline constexpr const char* kLinesNotRead = "Lines not read";

class ProjectStore {
public:
    ProjectStore(ProjectContext& ctx, ProjectEditor& editor) : ctx_(ctx), editor_(editor) {}

    // withoutAsking false: the offer to save, which does nothing for an
    // unmodified project. saveAs: the Save-as dialog even for a named project.
    void SaveProject(bool withoutAsking, bool saveAs);

    // The Open command: the offer to save, the Open dialog, loading.
    void Open();

    // An empty file name resets to a new project; otherwise directory (which
    // ends in a separator) + fileName is loaded in place of the project.
    void LoadProject(const std::string& fileName, const std::string& directory);

    // The common dialog as the Save-as and Open forms set it up.
    FileDialog ProjectDialog(FileDialog::Kind kind) const;

private:
    bool OfferAccepted();
    bool WriteTo(const std::string& path);
    void ReadFile(const std::string& path);
    void Apply(const ProjectFileContent& content);
    void ShowNotes(const std::string& path, const LineNotes& notes, const std::string& heading, Icon icon,
                   const std::string& title);
    std::string Resolved(const std::string& path) const;

    ProjectContext& ctx_;
    ProjectEditor& editor_;
};

} // namespace lumafold
