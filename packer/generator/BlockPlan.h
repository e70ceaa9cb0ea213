// The block plan of one Generate run: the entries that take part, in list
// order, with their data block numbers and byte counts. The writer turns it
// into text; it lives for one run only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumafold {

inline constexpr int kMaxDBNumber = 1023;
inline constexpr int32_t kMaxPackedBytes = 32767;
inline constexpr int32_t kSiteBytes = 1024;
inline constexpr int kMaxNameChars = 40;  // filename : STRING[40]

struct PlannedEntry {
    int position = 0;      // j, 1..n among the planned entries
    int listPosition = 0;  // the entry's position in the project list
    std::string name;      // as in the list (UTF-8)
    std::string source;    // full path of a real file; the name of a VarList site (UTF-8)
    std::string nameCp;    // name in the code page, as the AWL text holds it
    std::string sourceCp;  // source in the code page
    bool site = false;     // a VarList site: 1024 zero bytes, never read from disk
    int32_t length = 0;    // L, 1..32767
    int dbNumber = 0;      // IndexDB + j

    int32_t Dwords() const { return length / 4; }
    int32_t Bytes() const { return length % 4; }
};

struct BlockPlan {
    int indexDB = 0;
    std::vector<PlannedEntry> entries;

    int Count() const { return static_cast<int>(entries.size()); }
    // The number of the last content block.
    int LastDB() const { return indexDB + Count(); }
    // Sum of L over the planned entries.
    int64_t TotalBytes() const;
};

} // namespace lumafold
