#pragma once
// The five drawing operations the board needs to compose its picture; a device
// context supplies them, so the board itself stays free of any platform code.
#include "SurfaceTypes.h"

class CLifeSurface {
public:
    virtual ~CLifeSurface() = default;
    // Fills left..right-1 by top..bottom-1.
    virtual void FillSolidRect(const RECT& rect, COLORREF colour) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // Draws with the default pen and leaves the end point itself out.
    virtual void LineTo(int x, int y) = 0;
    virtual int SetBkMode(int mode) = 0;
    // Top-left corner at (x, y), default font, default text colour.
    virtual bool TextOutA(int x, int y, const char* text, int length) = 0;
};
