// The project: its list of file entries and the settings held beside it.
#pragma once

#include "FileList.h"

#include <cstdint>
#include <string>

namespace lumafold {

inline constexpr int16_t kDefaultIndexDB = 900;

struct Project {
    FileList files;
    std::string projectDir;   // empty, or ends in a separator
    std::string projectFile;  // file name without directory
    int16_t IndexDB = kDefaultIndexDB;
    std::string awlDir;       // empty, or ends in a separator
    std::string awlFile;      // file name without directory
    std::string AWLTimeStamp;
    std::string PRJTimeStamp;
    bool modified = false;

    std::string AWLSource() const { return awlDir + awlFile; }
    std::string ProjectPath() const { return projectDir + projectFile; }
};

// IndexDB in decimal, padded with blanks to four characters ("900 ", "5   ").
std::string IndexDBDisplayText(int indexDB);

} // namespace lumafold
