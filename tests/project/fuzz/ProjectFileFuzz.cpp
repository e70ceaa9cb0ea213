// Fuzz target for the project file reader: no input may crash it, and what it
// takes from any input must survive being written and read again.
#include "Paths.h"
#include "ProjectFileReader.h"
#include "ProjectFileWriter.h"
#include "VarList.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace lumafold;

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "project file round trip broken: %s\n", what);
    std::abort();
}

// What writing the value of a FILE_ line and reading it back must give: the
// name alone for a site, the joined full path for a real file.
std::string StoredAgain(const std::string& value) {
    const std::string name = GetFileName(value);
    return IsSite(name) ? name : JoinPath(GetPath(value), name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ProjectFileContent first = ReadProjectFile(bytes);
    if (!first.isProjectFile) return 0;

    Project prj;
    if (first.IndexDB) prj.IndexDB = *first.IndexDB;
    prj.awlFile = first.AWLSource.value_or("");
    prj.AWLTimeStamp = first.AWLTimeStamp.value_or("");
    prj.PRJTimeStamp = first.PRJTimeStamp.value_or("");
    for (const std::string& value : first.files) prj.files.Add({GetFileName(value), GetPath(value)});

    std::string problem;
    const auto written = ProjectFileBytes(prj, problem);
    if (!written) return 0;  // a text outside the code page: the save is refused, nothing to compare
    const ProjectFileContent again = ReadProjectFile(*written);
    Require(again.isProjectFile, "not a project file");
    Require(again.problems.empty(), "problems in a written file");
    Require(again.notRead.empty(), "lines not read in a written file");
    Require(again.IndexDB.value_or(900) == prj.IndexDB, "IndexDB");
    Require(again.AWLSource == first.AWLSource, "AWLSource");
    Require(again.AWLTimeStamp.value_or("") == prj.AWLTimeStamp, "AWLTimeStamp");
    Require(again.PRJTimeStamp.value_or("") == prj.PRJTimeStamp, "PRJTimeStamp");
    Require(again.files.size() == first.files.size(), "number of entries");
    for (size_t i = 0; i < first.files.size(); ++i) Require(again.files[i] == StoredAgain(first.files[i]), "entry");
    return 0;
}
