#include "FileList.h"

#include "CodePage.h"

namespace lumafold {

void FileList::Add(FileEntry entry) {
    entry.selected = false;
    keys_.push_back(FoldedKey(entry.name));
    ++listed_[keys_.back()];
    entries_.push_back(std::move(entry));
}

void FileList::RemoveAt(int position) {
    const size_t i = static_cast<size_t>(position - 1);
    const auto it = listed_.find(keys_.at(i));
    if (it != listed_.end() && --it->second == 0) listed_.erase(it);
    keys_.erase(keys_.begin() + static_cast<long>(i));
    entries_.erase(entries_.begin() + static_cast<long>(i));
}

void FileList::Clear() {
    entries_.clear();
    keys_.clear();
    listed_.clear();
}

std::optional<int> FileList::Find(const std::string& text) const {
    for (int pos = 1; pos <= Count(); ++pos) {
        if (StartsWithNoCase(At(pos).name, text)) return pos;
    }
    return std::nullopt;
}

std::optional<int> FileList::FindName(const std::string& name) const {
    const std::string key = FoldedKey(name);
    if (!listed_.contains(key)) return std::nullopt;
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i] == key) return static_cast<int>(i + 1);
    }
    return std::nullopt;
}

} // namespace lumafold
