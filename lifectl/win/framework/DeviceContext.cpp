#include "DeviceContext.h"

CDC::~CDC()
{
    if (m_bOwned && m_hDC != nullptr)
        ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC != nullptr)
        return FALSE;
    m_hDC = ::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr);
    m_bOwned = m_hDC != nullptr;
    return m_bOwned ? TRUE : FALSE;
}

BOOL CDC::DeleteDC()
{
    if (!m_bOwned || m_hDC == nullptr)
        return FALSE;
    const BOOL deleted = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_bOwned = false;
    return deleted;
}

HGDIOBJ CDC::SelectObject(CBitmap* pBitmap)
{
    return pBitmap != nullptr ? ::SelectObject(m_hDC, pBitmap->GetSafeHandle()) : nullptr;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* pSrcDC, int xSrc, int ySrc, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, rop);
}

void CDC::FillSolidRect(const RECT& rect, COLORREF colour)
{
    // The platform's way: an opaque text-out of nothing paints the rectangle in the background colour.
    const COLORREF previous = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::MoveTo(int x, int y)
{
    ::MoveToEx(m_hDC, x, y, nullptr);
}

void CDC::LineTo(int x, int y)
{
    ::LineTo(m_hDC, x, y);
}

int CDC::SetBkMode(int mode)
{
    return ::SetBkMode(m_hDC, mode);
}

bool CDC::TextOutA(int x, int y, const char* text, int length)
{
    return ::TextOutA(m_hDC, x, y, text, length) != FALSE;
}

CBitmap::~CBitmap()
{
    if (m_hBitmap != nullptr)
        ::DeleteObject(m_hBitmap);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int width, int height)
{
    if (m_hBitmap != nullptr || pDC == nullptr)
        return FALSE;
    m_hBitmap = ::CreateCompatibleBitmap(pDC->GetSafeHdc(), width, height);
    return m_hBitmap != nullptr ? TRUE : FALSE;
}

BOOL CBitmap::DeleteObject()
{
    if (m_hBitmap == nullptr || !::DeleteObject(m_hBitmap))
        return FALSE;
    m_hBitmap = nullptr;
    return TRUE;
}
