// Everything under a directory, recorded so that a test can show that a run
// changed nothing but its intended target and left no temporary file: plain
// files by their bytes, links by where they lead, other kinds by their kind.
#pragma once

#include <map>
#include <string>

namespace lumafold::test {

// Relative path -> "file:<bytes>", "link:<target>", "dir", "fifo", "socket", "other".
using TreeSnapshot = std::map<std::string, std::string>;

TreeSnapshot SnapshotOf(const std::string& directory);

// The snapshot less one path (the run's intended target).
TreeSnapshot Without(TreeSnapshot snapshot, const std::string& relativePath);

} // namespace lumafold::test
