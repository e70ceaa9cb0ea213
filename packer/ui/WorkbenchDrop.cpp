// Project files and other files handed to the workbench from outside the
// browser: the command line and drops from a file manager.
#include "Workbench.h"

#include "Paths.h"
#include "ProjectFileFormat.h"

#include <algorithm>
#include <cctype>

namespace lumafold {
namespace {

bool IsProjectFile(const std::string& path) {
    const std::string ext = prjfile::kExtension;
    if (path.size() <= ext.size()) return false;
    return std::equal(ext.begin(), ext.end(), path.end() - static_cast<std::ptrdiff_t>(ext.size()),
                      [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) ==
                                                  std::toupper(static_cast<unsigned char>(b)); });
}

// A directory dropped as "/web/img/" is the entry "img" of "/web".
std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == kSep) path.pop_back();
    return path;
}

} // namespace

void Workbench::OpenProjectFile(const std::string& path) {
    if (busy_) return;
    const std::string name = GetFileName(path);
    if (name.empty()) return;
    SaveProject(false, false);
    LoadProject(name, path.substr(0, path.size() - name.size()));
    ctx_.project.modified = false;
}

void Workbench::DropFiles(const std::vector<std::string>& paths) {
    if (busy_) return;
    const auto project = std::find_if(paths.begin(), paths.end(), IsProjectFile);
    if (project != paths.end()) {
        OpenProjectFile(*project);
        return;
    }
    for (const std::string& dropped : paths) {
        const std::string path = WithoutTrailingSeparators(dropped);
        const std::string name = GetFileName(path);
        if (!name.empty()) editor_.AddFile(name, GetPath(path));
    }
}

} // namespace lumafold
