#include "RegistryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool MakeDirectories(const std::string& dir)
{
    for (std::size_t pos = 1; pos <= dir.size(); ++pos) {
        if (pos != dir.size() && dir[pos] != '/')
            continue;
        const std::string part = dir.substr(0, pos);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Holds an exclusive lock on the registry's lock file for its lifetime.
class FileLock {
public:
    explicit FileLock(const std::string& path) : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FileLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd;
};
}

std::string RegistryFile::DefaultPath()
{
    if (const char* overridden = std::getenv("CELLORA_REGISTRY"); overridden != nullptr && *overridden != '\0')
        return overridden;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
        return std::string(config) + "/cellora/registry";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config/cellora/registry";
}

std::optional<RegistryTree> RegistryFile::ReadUnlocked() const
{
    struct stat info;
    if (::stat(m_path.c_str(), &info) != 0)
        return errno == ENOENT ? std::optional<RegistryTree>(RegistryTree{}) : std::nullopt;
    std::ifstream in(m_path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (text.str().empty())
        return RegistryTree{};
    return RegistryTree::Parse(text.str());
}

std::optional<RegistryTree> RegistryFile::Read() const
{
    // The file is only ever replaced whole, so reading needs no lock.
    return ReadUnlocked();
}

bool RegistryFile::WriteAtomically(const RegistryTree& tree) const
{
    const std::string temp = m_path + ".tmp." + std::to_string(::getpid());
    const std::string text = tree.Serialize();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || std::rename(temp.c_str(), m_path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool RegistryFile::Update(const std::function<bool(RegistryTree&)>& change) const
{
    if (!MakeDirectories(DirectoryOf(m_path)))
        return false;
    FileLock lock(m_path + ".lock");
    if (!lock.Held())
        return false;
    std::optional<RegistryTree> tree = ReadUnlocked();
    if (!tree || !change(*tree))
        return false;
    return WriteAtomically(*tree);
}
