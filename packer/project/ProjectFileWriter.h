// The bytes of a project file: eight lines plus one per entry, code-page text,
// CR LF after every line. Real files are stored with their full path, entries
// that pass the site test with their name alone.
#pragma once

#include "Project.h"

#include <optional>
#include <string>

namespace lumafold {

// Nothing when a text of the project cannot be stored (a character outside the
// code page, or a line break inside a name); problem then says which text.
std::optional<std::string> ProjectFileBytes(const Project& project, std::string& problem);

} // namespace lumafold
