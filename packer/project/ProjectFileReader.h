// Reading the text of a project file into what it holds, without acting on it.
// Keys count only at the start of a line; LF, CR LF and CR all end a line; a
// last line without a line end is read like the others.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumafold {

inline constexpr int kMinIndexDB = 1;
inline constexpr int kMaxIndexDB = 1023;

struct ProjectFileContent {
    // False for a file that holds a NUL byte, or no section and no key at all:
    // such a file is not taken for a project file.
    bool isProjectFile = false;
    std::optional<int16_t> IndexDB;
    std::optional<std::string> AWLSource;  // only a non-empty value
    std::optional<std::string> AWLTimeStamp;
    std::optional<std::string> PRJTimeStamp;
    std::vector<std::string> files;        // the values of the FILE_ lines, in file order
    std::vector<std::string> problems;     // lines left out, each with its line number and why
};

// bytes are code-page text; the texts of the result are UTF-8.
ProjectFileContent ReadProjectFile(const std::string& bytes);

// A value text that is a plain decimal number from 1 to 1023, blanks around it
// allowed; nothing for anything else (a sign, a fraction, more digits).
std::optional<int16_t> ParseIndexDB(const std::string& value);

} // namespace lumafold
