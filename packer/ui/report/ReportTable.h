// The report's file table: every entry of the list with the DB number it gets
// (IndexDB + position) and the estimated PLC memory of its block, and the
// memory of all blocks together. Figures are 64-bit, so that long files and
// five-digit block numbers print as they are instead of wrapping.
#pragma once

#include "Project.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumafold {

struct ReportRow {
    std::string printedName;  // a VarList site's name, a real file's full path
    int64_t db = 0;
    int64_t size = 0;
};

struct ReportTable {
    std::vector<ReportRow> rows;
    int64_t usedMemory = 0;  // index block, directory elements and all sizes
};

// What a VarList site (1024 zero bytes) takes.
inline constexpr int64_t kSiteSize = 1116;

// Estimated PLC memory of a real file of length bytes: 100 bytes over the data
// when its block needs both the DWORD and the BYTE array, 92 otherwise, made even.
int64_t EntrySize(int64_t length);

struct TableOutcome {
    bool ok = false;
    ReportTable table;
    std::string failure;  // the message naming the file that cannot be read
};

// Reads every real file's length now; the first file that is missing or
// cannot be read ends the collection.
TableOutcome CollectTable(const Project& project);

} // namespace lumafold
