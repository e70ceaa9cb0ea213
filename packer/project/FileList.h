// The project's entries in positions 1..n. New entries are appended in the order
// they are added; every walk (project file, generator, report) goes from 1 to n,
// so this order decides the data block numbers.
#pragma once

#include "FileEntry.h"

#include <optional>
#include <string>
#include <vector>

namespace lumafold {

class FileList {
public:
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }

    // Position is 1-based.
    const FileEntry& At(int position) const { return entries_.at(static_cast<size_t>(position - 1)); }
    FileEntry& At(int position) { return entries_.at(static_cast<size_t>(position - 1)); }

    void Add(FileEntry entry);
    void RemoveAt(int position);
    void Clear() { entries_.clear(); }

    // The first entry, from position 1 on, whose name begins with text, letters
    // compared without regard to case (as the list view's find does).
    std::optional<int> Find(const std::string& text) const;

    // Full path of the entry at a position (callers skip VarList sites).
    std::string GetFullPath(int position) const { return At(position).GetFullPath(); }

    const std::vector<FileEntry>& Entries() const { return entries_; }

private:
    std::vector<FileEntry> entries_;
};

} // namespace lumafold
