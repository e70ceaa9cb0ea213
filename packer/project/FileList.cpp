#include "FileList.h"

#include "CodePage.h"

namespace lumafold {

void FileList::Add(FileEntry entry) {
    entry.selected = false;
    entries_.push_back(std::move(entry));
}

void FileList::RemoveAt(int position) {
    entries_.erase(entries_.begin() + (position - 1));
}

std::optional<int> FileList::Find(const std::string& text) const {
    for (int pos = 1; pos <= Count(); ++pos) {
        if (StartsWithNoCase(At(pos).name, text)) return pos;
    }
    return std::nullopt;
}

} // namespace lumafold
