// A real temporary directory for a test, removed with everything in it when
// the test ends.
#pragma once

#include <string>
#include <vector>

namespace lumafold::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, without a trailing separator.
    const std::string& Path() const { return path_; }
    // Path() + "/" + name.
    std::string File(const std::string& name) const;
    // Writes bytes to name (creating it or replacing it) and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // A file of size bytes, each byte its position modulo 251.
    std::string WriteSized(const std::string& name, size_t size) const;
    std::string MakeDir(const std::string& name) const;

private:
    std::string path_;
};

// The whole content of a file; fails the test when it cannot be read.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
// The names in a directory, sorted: what a failed write may have left behind.
std::vector<std::string> NamesIn(const std::string& directory);

} // namespace lumafold::test
