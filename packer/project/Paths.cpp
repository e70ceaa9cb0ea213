#include "Paths.h"

namespace lumafold {
namespace {

bool IsLeadByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

} // namespace

std::string GetFileName(const std::string& path) {
    const auto pos = path.rfind(kSep);
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string GetPath(const std::string& path) {
    const auto pos = path.rfind(kSep);
    if (pos == std::string::npos) return {};
    if (pos == 0) return std::string(1, kSep);
    return path.substr(0, pos);
}

std::string DirectorySetting(const std::string& path) {
    std::string dir = GetPath(path);
    if (dir.empty() || dir.back() != kSep) dir += kSep;
    return dir;
}

std::string AwlFileNameFor(const std::string& projectFileName) {
    size_t end = projectFileName.size();
    int dropped = 0;
    while (dropped < 4 && end > 0)
        if (IsLeadByte(projectFileName[--end])) ++dropped;
    return dropped < 4 ? projectFileName : projectFileName.substr(0, end);
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == kSep) return directory + name;
    return directory + kSep + name;
}

} // namespace lumafold
