#include "RegistryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr const char* kTempMark = ".tmp.";

std::string KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "no plain file";
}

// Reads to the end, at most RegistryFile::kMaxBytes: a file may grow while it is read.
std::optional<std::string> ReadAll(int fd, std::string& text)
{
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::string(std::strerror(errno));
        if (n == 0)
            return std::nullopt;
        text.append(buf, static_cast<std::size_t>(n));
        if (text.size() > static_cast<std::size_t>(RegistryFile::kMaxBytes))
            return "it is larger than " + std::to_string(RegistryFile::kMaxBytes) + " bytes";
    }
}

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
    explicit FileLock(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600))
    {
        struct stat info;
        if (m_fd >= 0 && (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode) || ::flock(m_fd, LOCK_EX) != 0)) {
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

std::optional<RegistryTree> RegistryFile::ReadUnlocked(std::string* why) const
{
    auto fail = [why](const std::string& reason) {
        if (why != nullptr)
            *why = reason;
        return std::nullopt;
    };
    // Without blocking: a FIFO in the file's place must not hang the reader.
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? std::optional<RegistryTree>(RegistryTree{}) : fail(std::strerror(errno));
    struct stat info;
    std::string text;
    std::optional<std::string> problem;
    if (::fstat(fd, &info) != 0)
        problem = std::strerror(errno);
    else if (!S_ISREG(info.st_mode))
        problem = "it is " + KindOf(info.st_mode) + ", not a plain file";
    else if (info.st_size > kMaxBytes)
        problem = "it is larger than " + std::to_string(kMaxBytes) + " bytes";
    else
        problem = ReadAll(fd, text);
    ::close(fd);
    if (problem)
        return fail(*problem);
    if (text.empty())
        return RegistryTree{};
    auto tree = RegistryTree::Parse(text);
    if (!tree)
        return fail("it is damaged: no registry file");
    return tree;
}

std::optional<RegistryTree> RegistryFile::Read(std::string* why) const
{
    // The file is only ever replaced whole, so reading needs no lock.
    return ReadUnlocked(why);
}

bool RegistryFile::WriteAtomically(const RegistryTree& tree) const
{
    const std::string temp = m_path + kTempMark + std::to_string(::getpid());
    const std::string text = tree.Serialize();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    const bool written = done == text.size() && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || std::rename(temp.c_str(), m_path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

void RegistryFile::RemoveLeftTempFiles() const
{
    // Every writer holds the lock while its temporary file exists, so under
    // the lock any such file was left by a writer that was killed.
    const std::string dir = DirectoryOf(m_path);
    const std::string prefix = m_path.substr(m_path.rfind('/') + 1) + kTempMark;
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr)
        return;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0
            && name.find_first_not_of("0123456789", prefix.size()) == std::string::npos)
            ::unlinkat(::dirfd(d), name.c_str(), 0);
    }
    ::closedir(d);
}

bool RegistryFile::Update(const std::function<bool(RegistryTree&)>& change) const
{
    if (!MakeDirectories(DirectoryOf(m_path)))
        return false;
    FileLock lock(m_path + ".lock");
    if (!lock.Held())
        return false;
    RemoveLeftTempFiles();
    std::optional<RegistryTree> tree = ReadUnlocked(nullptr);
    if (!tree || !change(*tree))
        return false;
    return WriteAtomically(*tree);
}
