// The report's lines of text: the title and summary blocks, the column
// heading and the file lines, each exactly as printed (6 blanks of left
// margin included). A block's lines include the empty lines printed after it.
#pragma once

#include "Project.h"
#include "ReportTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumafold {

// Lines each block takes on paper, with the empty lines that follow it.
inline constexpr int kTitleLines = 6;
inline constexpr int kSummaryLines = 6;
inline constexpr int kHeadingLines = 2;

// The narrowest name field the column heading has room for.
inline constexpr int kMinNameField = 13;

std::vector<std::string> TitleLines(const Project& project);
std::vector<std::string> SummaryLines(const Project& project, const ReportTable& table);
// The column heading for a name field of width characters, and its empty line.
std::vector<std::string> HeadingLines(int width);

// The name padded to width characters, or cut to its first 3 characters,
// "..." and its last width - 6. Counts characters, not UTF-8 bytes.
std::string NameField(const std::string& name, int width);
// The value with a sign place (blank or '-') in front, right-aligned in width
// characters; a longer number is kept whole rather than cut.
std::string NumberField(int64_t value, int width);
std::string FileLine(const ReportRow& row, int nameWidth);

} // namespace lumafold
