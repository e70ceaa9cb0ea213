#include "Bitmap.h"

#include "DeviceContext.h"

CBitmap::~CBitmap()
{
    if (m_pSelectedInto != nullptr)
        m_pSelectedInto->ForgetBitmap(this);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* /*pDC*/, int width, int height)
{
    if (m_raster || width <= 0 || height <= 0)
        return FALSE;
    m_raster = std::make_unique<Raster>(width, height, RGB(0, 0, 0));
    return TRUE;
}

BOOL CBitmap::DeleteObject()
{
    if (!m_raster || m_pSelectedInto != nullptr)
        return FALSE;
    m_raster.reset();
    return TRUE;
}
