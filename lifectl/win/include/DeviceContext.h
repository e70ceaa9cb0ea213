#pragma once
// A device context: either one the container or the window hands us (attached,
// never deleted here) or a memory context this wrapper made and deletes.
#include "Bitmap.h"
#include "LifeSurface.h"

class CDC : public CLifeSurface {
public:
    CDC() = default;
    // Draws on a context the caller keeps.
    explicit CDC(HDC hdc) : m_hDC(hdc) {}
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    // Answers the handle of the bitmap selected before.
    HGDIOBJ SelectObject(CBitmap* pBitmap);
    BOOL BitBlt(int x, int y, int width, int height, CDC* pSrcDC, int xSrc, int ySrc, DWORD rop);

    void FillSolidRect(const RECT& rect, COLORREF colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    int SetBkMode(int mode) override;
    bool TextOutA(int x, int y, const char* text, int length) override;

    HDC GetSafeHdc() const { return m_hDC; }

private:
    HDC m_hDC = nullptr;
    bool m_bOwned = false;
};
