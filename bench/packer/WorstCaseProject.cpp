#include "WorstCaseProject.h"

#include "Paths.h"
#include "ProjectFileWriter.h"
#include "ReplaceFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <sys/stat.h>

namespace lumafold::bench {
namespace {

std::string FileName(int position) {
    char name[32];
    std::snprintf(name, sizeof name, "data%04d.bin", position);
    return name;
}

std::string RandomBytes(std::mt19937_64& random, size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; i += 8) {
        const uint64_t word = random();
        std::memcpy(bytes.data() + i, &word, std::min<size_t>(8, size - i));
    }
    return bytes;
}

bool MakeDirectory(const std::string& path, std::string& error) {
    if (mkdir(path.c_str(), 0755) == 0 || errno == EEXIST) return true;
    error = path + ": " + std::strerror(errno);
    return false;
}

} // namespace

std::optional<WorstCaseProject> WriteWorstCaseProject(const std::string& directory, std::string& error,
                                                       uint64_t seed) {
    const std::string dataDir = JoinPath(directory, "files");
    if (!MakeDirectory(dataDir, error)) return std::nullopt;

    WorstCaseProject out;
    Project& project = out.project;
    project.IndexDB = kWorstCaseIndexDB;
    std::mt19937_64 random(seed);
    for (int i = 1; i <= kWorstCaseFiles; ++i) {
        const std::string path = JoinPath(dataDir, FileName(i));
        if (auto reason = ReplaceFile(path, RandomBytes(random, kWorstCaseFileBytes))) {
            error = path + ": " + *reason;
            return std::nullopt;
        }
        project.files.Add(FileEntry{FileName(i), dataDir, false});
        out.files.push_back(path);
        out.inputBytes += kWorstCaseFileBytes;
    }

    project.projectDir = DirectorySetting(JoinPath(directory, "worstcase.F2D"));
    project.projectFile = "worstcase.F2D";
    project.awlDir = project.projectDir;
    project.awlFile = "worstcase.awl";
    out.projectPath = project.ProjectPath();
    out.awlPath = project.AWLSource();

    const auto bytes = ProjectFileBytes(project, error);
    if (!bytes) return std::nullopt;
    if (auto reason = ReplaceFile(out.projectPath, *bytes)) {
        error = out.projectPath + ": " + *reason;
        return std::nullopt;
    }
    return out;
}

} // namespace lumafold::bench
