#include "TreeSnapshot.h"

#include "TempDir.h"

#include <filesystem>

namespace lumafold::test {

namespace fs = std::filesystem;

TreeSnapshot SnapshotOf(const std::string& directory) {
    TreeSnapshot snapshot;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(directory, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        const std::string rel = it->path().lexically_relative(directory).string();
        const fs::file_status st = it->symlink_status();
        if (fs::is_symlink(st))
            snapshot[rel] = "link:" + fs::read_symlink(it->path()).string();
        else if (fs::is_regular_file(st))
            snapshot[rel] = "file:" + ReadFile(it->path().string());
        else if (fs::is_directory(st))
            snapshot[rel] = "dir";
        else if (fs::is_fifo(st))
            snapshot[rel] = "fifo";
        else if (fs::is_socket(st))
            snapshot[rel] = "socket";
        else
            snapshot[rel] = "other";
    }
    return snapshot;
}

TreeSnapshot Without(TreeSnapshot snapshot, const std::string& relativePath) {
    snapshot.erase(relativePath);
    return snapshot;
}

} // namespace lumafold::test
