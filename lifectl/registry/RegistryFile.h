#pragma once
// The file that holds the per-user classes registry. Every change is a locked
// read-modify-write replaced atomically, so two processes registering at once
// neither lose each other's keys nor leave a half-written file.
#include "RegistryTree.h"

#include <functional>
#include <optional>
#include <string>

class RegistryFile {
public:
    // CELLORA_REGISTRY when set; otherwise cellora/registry under the user's
    // configuration directory (XDG_CONFIG_HOME, or ~/.config).
    static std::string DefaultPath();

    explicit RegistryFile(std::string path = DefaultPath()) : m_path(std::move(path)) {}

    // A missing file reads as an empty registry; an unreadable or damaged one,
    // anything but a plain file (a directory, a FIFO, a device) and one larger
    // than kMaxBytes as nothing, with why in *why. Reading never blocks.
    std::optional<RegistryTree> Read(std::string* why = nullptr) const;
    // Answers false, with the file as it was, when it cannot be read, locked or
    // written. Under the lock it first removes the temporary files of writers
    // that were killed before they could rename theirs.
    bool Update(const std::function<bool(RegistryTree&)>& change) const;
    const std::string& Path() const { return m_path; }

    // Far more than the keys of many servers; a larger file is not read.
    static constexpr long kMaxBytes = 4 * 1024 * 1024;

private:
    std::optional<RegistryTree> ReadUnlocked(std::string* why) const;
    bool WriteAtomically(const RegistryTree& tree) const;
    void RemoveLeftTempFiles() const;

    std::string m_path;
};
