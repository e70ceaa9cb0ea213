// Path operations shared by the project, its file, the generator and the report.
// Paths are native: the separator is '/', so "C:\Web\a.htm" becomes "/web/a.htm".
#pragma once

#include <string>

namespace lumafold {

inline constexpr char kSep = '/';

// The part after the last separator; the whole path without one; empty when
// the path ends in a separator.
std::string GetFileName(const std::string& path);

// The part before the last separator, without it; empty without a separator.
// A file at the root ("/index.htm") gives "/", so that it keeps a usable
// directory (the native counterpart of "C:" for "C:\index.htm").
std::string GetPath(const std::string& path);

// A directory setting built from a path: GetPath plus one separator, unless
// GetPath already ends in one ("/" stays "/").
std::string DirectorySetting(const std::string& path);

// The AWL file name a project file's name suggests: the name less its last
// four characters (its extension: site.F2D gives site). Characters, not bytes,
// since names are UTF-8; a name of fewer than four has no extension to drop.
std::string AwlFileNameFor(const std::string& projectFileName);

// directory + separator (unless it already ends in one) + name.
std::string JoinPath(const std::string& directory, const std::string& name);

} // namespace lumafold
