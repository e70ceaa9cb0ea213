#include "FileEntry.h"

#include "Paths.h"

namespace lumafold {

std::string FileEntry::GetFullPath() const { return JoinPath(directory, name); }

} // namespace lumafold
