#include "HeadlessSite.h"

HRESULT HeadlessSite::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (!(riid == IID_IUnknown || riid == IID_IOleClientSite))
        return E_NOINTERFACE;
    *ppvObject = static_cast<IOleClientSite*>(this);
    AddRef();
    return S_OK;
}

HRESULT HeadlessSite::ShowObject()
{
    ++m_shown;
    return S_OK;
}

HRESULT HeadlessSite::ShowPropertyFrame(IUnknown* /*object*/, const std::vector<CLSID>& pages)
{
    m_frames.push_back(pages);
    return S_OK;
}
