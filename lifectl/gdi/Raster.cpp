#include "Raster.h"

#include <cstddef>

Raster::Raster(int width, int height, COLORREF fill)
    : m_width(width > 0 ? width : 0), m_height(height > 0 ? height : 0),
      m_bytes(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 3)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            SetPixel(x, y, fill);
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
