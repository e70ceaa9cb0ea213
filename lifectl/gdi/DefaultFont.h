#pragma once
// The device contexts' one built-in font: printable ASCII as 5 x 7 glyphs in
// 6 x 8 cells, compiled in so that text looks the same on every machine.
#include <cstdint>

namespace DefaultFont {
constexpr int kCellWidth = 6;
constexpr int kCellHeight = 8;
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
// The glyph's kGlyphWidth columns, left first, bit y set where the glyph covers
// row y of its cell; characters outside printable ASCII show as '?'.
const std::uint8_t* Columns(char ch);
}
