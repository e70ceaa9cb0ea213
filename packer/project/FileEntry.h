// One row of the project list: a file (or VarList site) and where it came from.
#pragma once

#include <string>

namespace lumafold {

struct FileEntry {
    std::string name;       // file name without directory, as added ("FileName")
    std::string directory;  // exactly as passed when added; empty for a VarList site ("FilePath")
    bool selected = false;  // selection of the row in lstPrjList

    // directory, a separator unless it already ends in one, and the name.
    std::string GetFullPath() const;
};

} // namespace lumafold
