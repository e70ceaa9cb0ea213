#include "ControlEmbedding.h"

namespace {
HRESULT InitNew(IOleObject& control)
{
    IPersistPropertyBag* persist = nullptr;
    if (FAILED(control.QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist))))
        return S_OK; // nothing to initialise
    const HRESULT hr = persist->InitNew();
    persist->Release();
    return hr;
}
}

HRESULT EmbedControl(IOleObject& control, IOleClientSite& site)
{
    DWORD status = 0;
    if (FAILED(control.GetMiscStatus(&status)))
        status = 0;
    if (status & OLEMISC_SETCLIENTSITEFIRST) {
        const HRESULT hr = control.SetClientSite(&site);
        return FAILED(hr) ? hr : InitNew(control);
    }
    const HRESULT hr = InitNew(control);
    return FAILED(hr) ? hr : control.SetClientSite(&site);
}
