#pragma once
// A 24-bit pixel buffer: the memory behind bitmaps and window surfaces.
#include "LifeSurface.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class Raster {
public:
    Raster() = default;
    Raster(int width, int height, COLORREF fill = RGB(0, 0, 0));

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    // Reads outside the buffer answer black; writes outside it are dropped.
    COLORREF GetPixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF colour);
    // Fills the part of left..right-1 by top..bottom-1 that lies in the buffer.
    void Fill(const RECT& rect, COLORREF colour);
    // Sets pixel (x + i, y + b) for every bit b that is set in columns[i], i < count;
    // the pixels outside the buffer are dropped.
    void PaintColumnMask(int x, int y, const std::uint8_t* columns, int count, COLORREF colour);
    // Copies a width x height block from another raster, clipped to both.
    void CopyFrom(const Raster& source, int x, int y, int width, int height, int xSrc, int ySrc);
    // Rows of R, G, B bytes, top row first.
    const std::uint8_t* Bytes() const { return m_bytes.data(); }

private:
    std::size_t Offset(int x, int y) const
    {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)) * 3;
    }
    std::size_t Stride() const { return static_cast<std::size_t>(m_width) * 3; }

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_bytes;
};
