#include "Raster.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

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
    const std::uint8_t r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    const std::size_t width = static_cast<std::size_t>(right - left);
    const std::uint8_t* first = &m_bytes[(static_cast<std::size_t>(top) * m_width + left) * 3];
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* p = &m_bytes[(static_cast<std::size_t>(y) * m_width + left) * 3];
        if (y > top && width > 8) {
            std::memcpy(p, first, width * 3);
            continue;
        }
        if (y > top) {
            // Narrow columns, the vertical grid lines above all, cost less written out than copied.
            for (std::size_t i = 0; i < width * 3; ++i)
                p[i] = first[i];
            continue;
        }
        // The first row grows by doubling copies of its first pixel.
        p[0] = r;
        p[1] = g;
        p[2] = b;
        for (std::size_t filled = 1; filled < width; filled *= 2)
            std::memcpy(p + filled * 3, p, std::min(filled, width - filled) * 3);
    }
}

void Raster::CopyFrom(const Raster& source, int x, int y, int width, int height, int xSrc, int ySrc)
{
    // Clip the block to the source, then to this raster, moving both corners together.
    int dx = std::max({0, -xSrc, -x}), dy = std::max({0, -ySrc, -y});
    const int right = std::min({width, source.m_width - xSrc, m_width - x});
    const int bottom = std::min({height, source.m_height - ySrc, m_height - y});
    if (dx >= right || dy >= bottom)
        return;
    const std::size_t length = static_cast<std::size_t>(right - dx) * 3;
    for (int row = dy; row < bottom; ++row)
        std::memcpy(&m_bytes[(static_cast<std::size_t>(y + row) * m_width + x + dx) * 3],
                    &source.m_bytes[(static_cast<std::size_t>(ySrc + row) * source.m_width + xSrc + dx) * 3], length);
}

COLORREF Raster::GetPixel(int x, int y) const
{
    if (!Contains(x, y))
        return RGB(0, 0, 0);
    const std::uint8_t* p = &m_bytes[(static_cast<std::size_t>(y) * m_width + x) * 3];
    return RGB(p[0], p[1], p[2]);
}

void Raster::SetPixel(int x, int y, COLORREF colour)
{
    if (!Contains(x, y))
        return;
    std::uint8_t* p = &m_bytes[(static_cast<std::size_t>(y) * m_width + x) * 3];
    p[0] = static_cast<std::uint8_t>(colour & 0xFF);
    p[1] = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
    p[2] = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
}
