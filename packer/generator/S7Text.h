// Code-page text as the AWL source may hold it: inside an S7 string literal,
// and inside a line comment.
#pragma once

#include <string>

namespace lumafold {

// The literal's content for text, so that the compiled string equals text:
// $ and ' get their escapes $$ and $', control bytes become $hh. Ordinary
// names come out unchanged.
std::string S7StringContent(const std::string& text);

// Text for a line comment: control bytes, which could end the comment line,
// become blanks.
std::string CommentText(const std::string& text);

} // namespace lumafold
