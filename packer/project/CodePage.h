// The 8-bit code page of the files Lumafold writes (Windows-1252), converted with
// iconv between those bytes and the UTF-8 names of the file system.
#pragma once

#include <optional>
#include <string>

namespace lumafold {

inline constexpr const char* kCodePageName = "Windows-1252";

// UTF-8 text as code-page bytes; nothing when a character has no place in the
// code page (or the text is not valid UTF-8). Never a silent substitute.
std::optional<std::string> ToCodePage(const std::string& utf8);

// Code-page bytes as UTF-8. The five byte values the code page leaves undefined
// become U+FFFD, so that such a name never matches a real file by accident.
std::string FromCodePage(const std::string& bytes);

bool FitsCodePage(const std::string& utf8);

// Whether text begins with prefix, letters compared without regard to case
// (ASCII and the code page's accented letters).
// Code-page text with its letters folded to one case, as StartsWithNoCase compares them.
std::string FoldCase(const std::string& codePageText);

bool StartsWithNoCase(const std::string& text, const std::string& prefix);

// The text with its letters folded as StartsWithNoCase folds them: two names
// are the same name, letter case aside, when their keys are equal.
std::string FoldedKey(const std::string& text);

} // namespace lumafold
