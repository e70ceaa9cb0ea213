#include "Drives.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>

namespace lumafold {
namespace {

// File systems that hold no user files; their mount points are no drives.
const std::set<std::string> kPseudo = {
    "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "pstore", "debugfs", "tracefs",
    "configfs", "fusectl", "mqueue", "hugetlbfs", "bpf", "binfmt_misc", "autofs", "rpc_pipefs", "nsfs", "efivarfs",
    "selinuxfs", "overlay_internal"};

// Mount tables write blanks and tabs in paths as octal escapes ("\040").
std::string Unescape(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string oct = field.substr(i + 1, 3);
            if (oct.size() == 3 && std::all_of(oct.begin(), oct.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::stoi(oct, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

} // namespace

std::vector<std::string> MountedRoots(const std::string& mountTable) {
    std::set<std::string> roots;
    std::ifstream in(mountTable);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        if (!(fields >> device >> mountPoint >> type)) continue;
        if (kPseudo.count(type)) continue;
        const std::string root = Unescape(mountPoint);
        if (root == "/" || root.starts_with("/proc") || root.starts_with("/sys") || root.starts_with("/dev")) continue;
        roots.insert(root);
    }
    std::vector<std::string> out{"/"};
    out.insert(out.end(), roots.begin(), roots.end());
    return out;
}

bool DirectoryReadable(const std::string& directory) {
    DIR* d = ::opendir(directory.c_str());
    if (!d) return false;
    ::closedir(d);
    return true;
}

bool CheckDirectory(Prompter& prompter, const std::string& directory) {
    DIR* d = ::opendir(directory.c_str());
    if (d) {
        ::closedir(d);
        return true;
    }
    const std::string reason = std::strerror(errno);
    Ask(prompter, "Directory \"" + directory + "\" can't be read: " + reason + " ", Buttons::OK, Icon::Error,
        "Directory invalid");
    return false;
}

bool DriveChooser::TryDrive(const std::string& drive) {
    if (readable_(drive)) return true;
    Ask(prompter_, drive + " isn't ready!", Buttons::OK, Icon::Error, "Drive invalid");
    return false;
}

std::string DriveChooser::Choose(const std::string& drive) {
    if (TryDrive(drive)) {
        lastValid_ = drive;
        return drive;
    }
    // Setting the list back is itself a drive change; when the last valid
    // drive fails too, the list stays on it after its own message.
    if (lastValid_.empty() || lastValid_ == drive) return drive;
    const std::string back = lastValid_;
    TryDrive(back);
    return back;
}

} // namespace lumafold
