#include "Raster.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>

namespace {
struct Channels {
    explicit Channels(COLORREF colour)
        : r(static_cast<std::uint8_t>(colour & 0xFF)), g(static_cast<std::uint8_t>((colour >> 8) & 0xFF)),
          b(static_cast<std::uint8_t>((colour >> 16) & 0xFF))
    {
    }
    bool Grey() const { return r == g && g == b; }
    void Put(std::uint8_t* p) const
    {
        p[0] = r;
        p[1] = g;
        p[2] = b;
    }
    std::uint8_t r, g, b;
};

// A run of pixels: a grey is a plain byte fill, any other colour grows by
// doubling copies of its first pixel.
void FillRun(std::uint8_t* run, std::size_t pixels, Channels colour)
{
    if (colour.Grey()) {
        std::memset(run, colour.r, pixels * 3);
        return;
    }
    colour.Put(run);
    for (std::size_t filled = 1; filled < pixels; filled *= 2)
        std::memcpy(run + filled * 3, run, std::min(filled, pixels - filled) * 3);
}
}

Raster::Raster(int width, int height, COLORREF fill)
    : m_width(width > 0 ? width : 0), m_height(height > 0 ? height : 0),
      m_bytes(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 3)
{
    if (fill != RGB(0, 0, 0))
        Fill(RECT{0, 0, m_width, m_height}, fill);
}

void Raster::Fill(const RECT& rect, COLORREF colour)
{
    const int left = std::max(rect.left, 0), right = std::min(rect.right, m_width);
    const int top = std::max(rect.top, 0), bottom = std::min(rect.bottom, m_height);
    if (left >= right || top >= bottom)
        return;
    const Channels channels(colour);
    const std::size_t pixels = static_cast<std::size_t>(right - left);
    const std::size_t rows = static_cast<std::size_t>(bottom - top);
    const std::size_t stride = Stride();
    std::uint8_t* first = &m_bytes[Offset(left, top)];
    if (pixels == 1) {
        // A vertical line: one pixel per row, nothing worth copying.
        for (std::size_t row = 0; row < rows; ++row)
            channels.Put(first + row * stride);
        return;
    }
    if (pixels * 3 == stride) {
        // Whole rows lie back to back, so the block is one run.
        FillRun(first, pixels * rows, channels);
        return;
    }
    FillRun(first, pixels, channels);
    for (std::size_t row = 1; row < rows; ++row)
        std::memcpy(first + row * stride, first, pixels * 3);
}

void Raster::PaintColumnMask(int x, int y, const std::uint8_t* columns, int count, COLORREF colour)
{
    const Channels channels(colour);
    for (int i = 0; i < count; ++i) {
        if (x + i < 0 || x + i >= m_width)
            continue;
        for (unsigned bits = columns[i]; bits != 0; bits &= bits - 1) {
            const int py = y + std::countr_zero(bits);
            if (py >= 0 && py < m_height)
                channels.Put(&m_bytes[Offset(x + i, py)]);
        }
    }
}

void Raster::CopyFrom(const Raster& source, int x, int y, int width, int height, int xSrc, int ySrc)
{
    // Clip the block to the source, then to this raster, moving both corners together.
    const int dx = std::max({0, -xSrc, -x}), dy = std::max({0, -ySrc, -y});
    const int right = std::min({width, source.m_width - xSrc, m_width - x});
    const int bottom = std::min({height, source.m_height - ySrc, m_height - y});
    if (dx >= right || dy >= bottom)
        return;
    const std::size_t length = static_cast<std::size_t>(right - dx) * 3;
    const std::size_t rows = static_cast<std::size_t>(bottom - dy);
    std::uint8_t* target = &m_bytes[Offset(x + dx, y + dy)];
    const std::uint8_t* from = &source.m_bytes[source.Offset(xSrc + dx, ySrc + dy)];
    if (length == Stride() && length == source.Stride()) {
        // Whole rows of equally wide rasters: the block is one run of bytes in both.
        std::memmove(target, from, rows * length);
        return;
    }
    // A block moved down within one raster goes bottom row first, so no row is
    // overwritten before it has been copied.
    const bool bottomFirst = std::greater<>()(target, from);
    for (std::size_t i = 0; i < rows; ++i) {
        const std::size_t row = bottomFirst ? rows - 1 - i : i;
        std::memmove(target + row * Stride(), from + row * source.Stride(), length);
    }
}

COLORREF Raster::GetPixel(int x, int y) const
{
    if (!Contains(x, y))
        return RGB(0, 0, 0);
    const std::uint8_t* p = &m_bytes[Offset(x, y)];
    return RGB(p[0], p[1], p[2]);
}

void Raster::SetPixel(int x, int y, COLORREF colour)
{
    if (Contains(x, y))
        Channels(colour).Put(&m_bytes[Offset(x, y)]);
}
