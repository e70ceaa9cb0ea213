// Reads an AWL source of a packed site back into its files: the index block's
// entries and the content blocks' DW and B values, checked against each other.
// Anything it cannot trust is refused with the line it concerns: a source cut
// short, a content block missing or given twice, values beyond filelen,
// digits that are not hexadecimal, a name that is not a plain file name.
#pragma once

#include "AwlContent.h"
#include "AwlLexer.h"

#include <string_view>

namespace lumafold::extract {

AwlReadResult ReadAwlSource(std::string_view text);
// The same for a source read piece by piece.
AwlReadResult ReadAwlSource(TextSource& source, size_t bufferBytes = AwlLexer::kBufferBytes);

} // namespace lumafold::extract
