#pragma once
// A GDI bitmap object owned by the wrapper until DeleteObject.
#include "WinPlatform.h"

class CDC;

class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    BOOL CreateCompatibleBitmap(CDC* pDC, int width, int height);
    // Fails, as GDI does, while the bitmap is selected into a context.
    BOOL DeleteObject();
    HBITMAP GetSafeHandle() const { return m_hBitmap; }

private:
    HBITMAP m_hBitmap = nullptr;
};
