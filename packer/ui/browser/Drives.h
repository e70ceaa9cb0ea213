// The drive list of a system without drive letters: the mounted roots, and
// the fallback to the last valid drive when a chosen one cannot be read.
#pragma once

#include "Prompter.h"

#include <functional>
#include <string>
#include <vector>

namespace lumafold {

// The mount points of real file systems from a mount table in the form of
// /proc/self/mounts, "/" first, the rest sorted; "/" alone when the table
// cannot be read or names none.
std::vector<std::string> MountedRoots(const std::string& mountTable = "/proc/self/mounts");

// True when a directory can be listed.
bool DirectoryReadable(const std::string& directory);

// The browser may show a directory only when it can be listed; otherwise the
// user is told why and false comes back, and the browser stays where it was.
bool CheckDirectory(Prompter& prompter, const std::string& directory);

// The drive list's fallback rule. Choose() returns the drive the list ends on:
// the chosen one when it can be read; else, after " isn't ready!", the last
// valid drive, with the message once more when that cannot be read either.
class DriveChooser {
public:
    using Readable = std::function<bool(const std::string&)>;
    DriveChooser(Prompter& prompter, Readable readable = DirectoryReadable)
        : prompter_(prompter), readable_(std::move(readable)) {}

    // The drive list got the focus while showing drive.
    void GotFocus(const std::string& drive) { lastValid_ = drive; }
    std::string Choose(const std::string& drive);
    const std::string& LastValid() const { return lastValid_; }

private:
    bool TryDrive(const std::string& drive);

    Prompter& prompter_;
    Readable readable_;
    std::string lastValid_;
};

} // namespace lumafold
