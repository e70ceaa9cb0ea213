#pragma once
// A GDI bitmap object: a raster that a memory device context can draw into.
#include "GdiTypes.h"
#include "Raster.h"

#include <memory>

class CDC;

class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    BOOL CreateCompatibleBitmap(CDC* pDC, int width, int height);
    // Fails, as GDI does, while the bitmap is selected into a live context.
    BOOL DeleteObject();

    Raster* GetRaster() const { return m_raster.get(); }

private:
    friend class CDC;
    std::unique_ptr<Raster> m_raster;
    CDC* m_pSelectedInto = nullptr;
};
