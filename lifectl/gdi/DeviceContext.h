#pragma once
// A device context over a raster: either a window's surface that the container
// owns or the bitmap selected into a memory context. Drawing is clipped to it.
#include "Bitmap.h"
#include "GdiTypes.h"
#include "LifeSurface.h"
#include "Raster.h"

class CDC : public CLifeSurface {
public:
    CDC() = default;
    // A context drawing straight onto a surface the caller keeps alive.
    explicit CDC(Raster& surface) : m_pSurface(&surface), m_bLive(true) {}
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    // Answers the bitmap selected before, or null.
    CBitmap* SelectObject(CBitmap* pBitmap);
    BOOL BitBlt(int x, int y, int width, int height, CDC* pSrcDC, int xSrc, int ySrc, DWORD rop);

    void FillSolidRect(const RECT& rect, COLORREF colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    int SetBkMode(int mode) override;
    bool TextOutA(int x, int y, const char* text, int length) override;

    Raster* GetSurface() const;

private:
    friend class CBitmap;
    void ForgetBitmap(CBitmap* pBitmap);
    void ReleaseBitmap();
    void DrawGlyph(int x, int y, char ch);

    Raster* m_pSurface = nullptr;
    CBitmap* m_pBitmap = nullptr;
    bool m_bLive = false;
    int m_penX = 0;
    int m_penY = 0;
    int m_bkMode = OPAQUE;
};
