#include "DeviceContext.h"

#include "DefaultFont.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kTextBackground = RGB(255, 255, 255);
constexpr COLORREF kPenColour = RGB(0, 0, 0);

// The pixels of a horizontal or vertical line from (x0, y0) up to, not including, (x1, y1).
RECT StraightLine(int x0, int y0, int x1, int y1)
{
    if (x0 == x1 && y0 == y1)
        return RECT{x0, y0, x0, y0};
    const int dx = x1 < x0 ? 1 : 0, dy = y1 < y0 ? 1 : 0;
    const int left = std::min(x0, x1) + dx, top = std::min(y0, y1) + dy;
    const int right = x0 == x1 ? left + 1 : std::max(x0, x1) + dx;
    const int bottom = y0 == y1 ? top + 1 : std::max(y0, y1) + dy;
    return RECT{left, top, right, bottom};
}
}

CDC::~CDC()
{
    ReleaseBitmap();
}

BOOL CDC::CreateCompatibleDC(CDC* /*pDC*/)
{
    if (m_bLive)
        return FALSE;
    m_bLive = true;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_bLive)
        return FALSE;
    ReleaseBitmap();
    m_pSurface = nullptr;
    m_bLive = false;
    return TRUE;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    CBitmap* previous = m_pBitmap;
    if (!m_bLive || pBitmap == nullptr || !pBitmap->m_raster || pBitmap->m_pSelectedInto != nullptr)
        return nullptr;
    ReleaseBitmap();
    pBitmap->m_pSelectedInto = this;
    m_pBitmap = pBitmap;
    return previous;
}

void CDC::ReleaseBitmap()
{
    if (m_pBitmap != nullptr)
        m_pBitmap->m_pSelectedInto = nullptr;
    m_pBitmap = nullptr;
}

void CDC::ForgetBitmap(CBitmap* pBitmap)
{
    if (m_pBitmap == pBitmap)
        m_pBitmap = nullptr;
}

Raster* CDC::GetSurface() const
{
    if (!m_bLive)
        return nullptr;
    return m_pBitmap != nullptr ? m_pBitmap->GetRaster() : m_pSurface;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* pSrcDC, int xSrc, int ySrc, DWORD rop)
{
    Raster* target = GetSurface();
    Raster* source = pSrcDC != nullptr ? pSrcDC->GetSurface() : nullptr;
    if (target == nullptr || source == nullptr || rop != SRCCOPY)
        return FALSE;
    target->CopyFrom(*source, x, y, width, height, xSrc, ySrc);
    return TRUE;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF colour)
{
    if (Raster* target = GetSurface())
        target->Fill(rect, colour);
}

void CDC::MoveTo(int x, int y)
{
    m_penX = x;
    m_penY = y;
}

void CDC::LineTo(int x, int y)
{
    Raster* target = GetSurface();
    if (target != nullptr && (x == m_penX || y == m_penY)) {
        // Straight lines are the common case: a one-pixel-wide fill without the end point.
        target->Fill(StraightLine(m_penX, m_penY, x, y), kPenColour);
        MoveTo(x, y);
        return;
    }
    // Bresenham from the pen to (x, y), stopping one pixel short of the end.
    int cx = m_penX;
    int cy = m_penY;
    const int dx = std::abs(x - cx);
    const int dy = -std::abs(y - cy);
    const int sx = cx < x ? 1 : -1;
    const int sy = cy < y ? 1 : -1;
    int error = dx + dy;
    while (cx != x || cy != y) {
        if (target != nullptr)
            target->SetPixel(cx, cy, kPenColour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            cx += sx;
        }
        if (twice <= dx) {
            error += dx;
            cy += sy;
        }
    }
    MoveTo(x, y);
}

int CDC::SetBkMode(int mode)
{
    const int previous = m_bkMode;
    m_bkMode = mode;
    return previous;
}

bool CDC::TextOutA(int x, int y, const char* text, int length)
{
    if (GetSurface() == nullptr || text == nullptr || length < 0)
        return false;
    for (int i = 0; i < length; ++i)
        DrawGlyph(x + i * DefaultFont::kCellWidth, y, text[i]);
    return true;
}

void CDC::DrawGlyph(int x, int y, char ch)
{
    Raster* target = GetSurface();
    if (m_bkMode == OPAQUE)
        target->Fill(RECT{x, y, x + DefaultFont::kCellWidth, y + DefaultFont::kCellHeight}, kTextBackground);
    std::uint8_t columns[DefaultFont::kGlyphWidth];
    const std::uint8_t* glyph = DefaultFont::Columns(ch);
    for (int i = 0; i < DefaultFont::kGlyphWidth; ++i)
        columns[i] = glyph[i] & ((1u << DefaultFont::kGlyphHeight) - 1);
    target->PaintColumnMask(x, y, columns, DefaultFont::kGlyphWidth, kTextColour);
}
