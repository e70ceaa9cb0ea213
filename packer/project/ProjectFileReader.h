// Reading the text of a project file into what it holds, without acting on it.
// Keys count only at the start of a line and in their own letter case; LF,
// CR LF and CR all end a line; a last line without a line end is read like
// the others. Every line that is not read as written is noted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumafold {

inline constexpr int kMinIndexDB = 1;
inline constexpr int kMaxIndexDB = 1023;
// The most entries any plan can hold: content blocks 2 to 1023 after index block 1.
inline constexpr int kMaxEntries = kMaxIndexDB - kMinIndexDB;
// Longer lines are not read: no setting or path of a real project comes near.
inline constexpr size_t kMaxLineBytes = 8192;

// Notes about lines in file order: the first few in full, all of them counted,
// so that a file of a million bad lines costs no more than a few.
struct LineNotes {
    static constexpr size_t kKept = 100;
    std::vector<std::string> texts;
    size_t count = 0;
    void Add(std::string text);
    bool empty() const { return count == 0; }
};

struct ProjectFileContent {
    // False for a file that holds a NUL byte, or no section and no key at all:
    // such a file is not taken for a project file.
    bool isProjectFile = false;
    std::optional<int16_t> IndexDB;
    std::optional<std::string> AWLSource;  // only a non-empty value
    std::optional<std::string> AWLTimeStamp;
    std::optional<std::string> PRJTimeStamp;
    std::vector<std::string> files;        // the values of the FILE_ lines, in file order
    LineNotes problems;  // lines whose value was refused, each with its line number and why
    LineNotes notRead;   // lines that are no key (a typo, a blank before it) and repeated keys
};

// bytes are code-page text; the texts of the result are UTF-8.
ProjectFileContent ReadProjectFile(const std::string& bytes);

// A value text that is a plain decimal number from 1 to 1023, blanks around it
// allowed; nothing for anything else (a sign, a fraction, more digits).
std::optional<int16_t> ParseIndexDB(const std::string& value);

// A line as a message quotes it: cut after a few dozen characters.
std::string QuotedLine(std::string_view line);

} // namespace lumafold
