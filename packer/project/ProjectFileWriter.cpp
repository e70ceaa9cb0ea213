#include "ProjectFileWriter.h"

#include "CodePage.h"
#include "ProjectFileFormat.h"
#include "VarList.h"

namespace lumafold {
namespace {

class LineWriter {
public:
    // Appends key + value as one line; false (with problem set) when the value
    // cannot be stored without changing it.
    bool Line(const std::string& key, const std::string& value) {
        if (value.find_first_of("\r\n") != std::string::npos) {
            problem_ = "\"" + key + value + "\" holds a line break";
            return false;
        }
        const auto bytes = ToCodePage(value);
        if (!bytes) {
            problem_ = "\"" + key + value + "\" holds characters that the code page " + kCodePageName + " cannot hold";
            return false;
        }
        out_ += key;
        out_ += *bytes;
        out_ += prjfile::kLineEnd;
        return true;
    }
    std::string& Bytes() { return out_; }
    const std::string& Problem() const { return problem_; }

private:
    std::string out_;
    std::string problem_;
};

std::string StoredValue(const FileEntry& entry) { return IsSite(entry.name) ? entry.name : entry.GetFullPath(); }

} // namespace

std::optional<std::string> ProjectFileBytes(const Project& project, std::string& problem) {
    using namespace prjfile;
    LineWriter w;
    bool ok = w.Line(kSettings, "") && w.Line(kIndexDB, std::to_string(project.IndexDB)) &&
              w.Line(kAWLSource, project.AWLSource()) && w.Line(kAWLTimeStamp, project.AWLTimeStamp) &&
              w.Line(kPRJTimeStamp, project.PRJTimeStamp) && w.Line("", "") && w.Line(kFiles, "");
    const FileList& files = project.files;
    for (int i = 1; ok && i <= files.Count(); ++i)
        ok = w.Line(kFile + std::to_string(i) + "=", StoredValue(files.At(i)));
    ok = ok && w.Line("", "");
    if (!ok) {
        problem = w.Problem();
        return std::nullopt;
    }
    return std::move(w.Bytes());
}

} // namespace lumafold
