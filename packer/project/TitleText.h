// The program's title text: it starts the window title, the About message and
// the first line of every AWL source. The trailing blank is part of it.
#pragma once

namespace lumafold {

inline constexpr const char* kTitleText = "ZALT - Lumafold V2.2 ";
inline constexpr const char* kAppTitle = "Lumafold";

} // namespace lumafold
