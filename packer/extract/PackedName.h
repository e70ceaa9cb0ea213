// The name of a packed file as the index block gives it: its S7 string
// literal decoded, and whether it can be written as a file inside the
// extraction directory and nowhere else.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumafold::extract {

// The text of a literal '...' ($$, $', $hh, $L, $N, $P, $R, $T decoded);
// nothing, with problem set, for an escape that S7 does not know.
std::optional<std::string> DecodeS7String(std::string_view literal, std::string& problem);

// Why nameCp (code-page bytes) may not become a file in the directory: an
// empty name, . or .., a separator or drive mark, a control byte, a device
// name of the PLC's PC, a byte the code page leaves undefined. Nothing when
// it is safe.
std::optional<std::string> UnsafeNameReason(const std::string& nameCp);

} // namespace lumafold::extract
