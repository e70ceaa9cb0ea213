// The project's entries in positions 1..n. New entries are appended in the order
// they are added; every walk (project file, generator, report) goes from 1 to n,
// so this order decides the data block numbers.
#pragma once

#include "FileEntry.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace lumafold {

class FileList {
public:
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }

    // Position is 1-based. An entry's name does not change once it is listed
    // (the name lookup keeps an index of the names).
    const FileEntry& At(int position) const { return entries_.at(static_cast<size_t>(position - 1)); }
    FileEntry& At(int position) { return entries_.at(static_cast<size_t>(position - 1)); }

    void Add(FileEntry entry);
    void RemoveAt(int position);
    void Clear();

    // The first entry, from position 1 on, whose name begins with text, letters
    // compared without regard to case (as the list view's find does).
    std::optional<int> Find(const std::string& text) const;

    // The first entry whose name is this name, letters compared without
    // regard to case: the duplicate check and Remove's lookup. A name that
    // is not listed is answered from an index, without a walk.
    std::optional<int> FindName(const std::string& name) const;

    // Full path of the entry at a position (callers skip VarList sites).
    std::string GetFullPath(int position) const { return At(position).GetFullPath(); }

    const std::vector<FileEntry>& Entries() const { return entries_; }

private:
    std::vector<FileEntry> entries_;
    std::vector<std::string> keys_;                // the folded name of each entry
    std::unordered_map<std::string, int> listed_;  // folded name -> entries with it
};

} // namespace lumafold
