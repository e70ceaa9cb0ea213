// COleControl: reference counting, interfaces, the dispatch interface from the
// dispatch map, class information and property pages.
#include "OleControl.h"

#include "ControlEntry.h"
#include "DispatchException.h"

#include <string>

namespace {
BSTR WideString(const char* text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<std::size_t>(length) : 1u, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return SysAllocString(wide.c_str());
}

void FillExcepInfo(EXCEPINFO* pExcepInfo, const char* member, const COleDispatchException& e)
{
    if (pExcepInfo == nullptr)
        return;
    *pExcepInfo = EXCEPINFO{};
    pExcepInfo->wCode = e.m_wCode;
    pExcepInfo->scode = e.m_wCode == 0 ? E_FAIL : 0;
    pExcepInfo->bstrSource = WideString(member);
    pExcepInfo->bstrDescription = WideString(e.what());
}
}

COleControl::COleControl() : m_pModuleState(AfxGetModuleState())
{
    InterlockedIncrement(&m_pModuleState->m_nObjectCount);
}

COleControl::~COleControl()
{
    DestroyControlWindow();
    if (m_pInPlaceSite != nullptr)
        m_pInPlaceSite->Release();
    if (m_pClientSite != nullptr)
        m_pClientSite->Release();
    if (m_pOleAdviseHolder != nullptr)
        m_pOleAdviseHolder->Release();
    if (m_pViewAdviseSink != nullptr)
        m_pViewAdviseSink->Release();
    InterlockedDecrement(&m_pModuleState->m_nObjectCount);
}

STDMETHODIMP COleControl::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || (riid == m_iidPrimary && riid != GUID_NULL))
        *ppvObject = static_cast<IDispatch*>(this);
    else if (riid == IID_IOleObject)
        *ppvObject = static_cast<IOleObject*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject)
        *ppvObject = static_cast<IOleInPlaceObject*>(this);
    else if (riid == IID_IOleInPlaceActiveObject)
        *ppvObject = static_cast<IOleInPlaceActiveObject*>(this);
    else if (riid == IID_IOleControl)
        *ppvObject = static_cast<IOleControl*>(this);
    else if (riid == IID_IViewObject || riid == IID_IViewObject2)
        *ppvObject = static_cast<IViewObject2*>(this);
    else if (riid == IID_IPersist || riid == IID_IPersistStreamInit)
        *ppvObject = static_cast<IPersistStreamInit*>(this);
    else if (riid == IID_IPersistPropertyBag)
        *ppvObject = static_cast<IPersistPropertyBag*>(this);
    else if (riid == IID_IProvideClassInfo)
        *ppvObject = static_cast<IProvideClassInfo*>(this);
    else if (riid == IID_ISpecifyPropertyPages)
        *ppvObject = static_cast<ISpecifyPropertyPages*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleControl::AddRef()
{
    return InterlockedIncrement(reinterpret_cast<LONG*>(&m_dwRef));
}

STDMETHODIMP_(ULONG) COleControl::Release()
{
    const ULONG left = InterlockedDecrement(reinterpret_cast<LONG*>(&m_dwRef));
    if (left == 0) {
        AfxModuleStateScope scope(m_pModuleState);
        delete this;
    }
    return left;
}

void COleControl::InitializeIIDs(const IID* piidPrimary, const IID* piidEvents)
{
    m_iidPrimary = *piidPrimary;
    m_iidEvents = *piidEvents;
}

STDMETHODIMP COleControl::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    AfxModuleStateScope scope(m_pModuleState);
    *pctinfo = GetTypeInfoCount();
    return S_OK;
}

HRESULT COleControl::LoadTypeInfo(REFGUID guid, LCID lcid, ITypeInfo** ppTInfo)
{
    if (ppTInfo == nullptr)
        return E_POINTER;
    *ppTInfo = nullptr;
    AfxModuleStateScope scope(m_pModuleState);
    // The control's cache holds the library and its type information once
    // loaded; the first call loads it through the control's own GetTypeLib.
    return AfxLoadTypeInfo(
        GetTypeLibCache(), lcid, guid, [&](ITypeLib** lib) { return GetTypeLib(lcid, lib); }, ppTInfo);
}

const AFX_EVENTMAP& COleControl::GetEventMap() const
{
    static const AFX_EVENTMAP none;
    return none;
}

CTypeLibCache* COleControl::GetTypeLibCache()
{
    return nullptr;
}

STDMETHODIMP COleControl::GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo)
{
    if (ppTInfo != nullptr)
        *ppTInfo = nullptr;
    if (iTInfo != 0)
        return DISP_E_BADINDEX;
    return LoadTypeInfo(m_iidPrimary, lcid, ppTInfo);
}

STDMETHODIMP COleControl::GetClassInfo(ITypeInfo** ppTI)
{
    AfxModuleStateScope scope(m_pModuleState);
    return LoadTypeInfo(GetClassID(), LOCALE_USER_DEFAULT, ppTI);
}

const AFX_DISPMAP_ENTRY* COleControl::FindDispEntry(DISPID dispid) const
{
    const AFX_DISPMAP& map = GetDispatchMap();
    for (std::size_t i = 0; i < map.size(); ++i)
        if (AfxDispIdOf(map, i) == dispid)
            return &map[i];
    return nullptr;
}

STDMETHODIMP COleControl::GetIDsOfNames(REFIID /*riid*/, LPOLESTR* rgszNames, UINT cNames, LCID /*lcid*/,
                                        DISPID* rgDispId)
{
    if (rgszNames == nullptr || rgDispId == nullptr || cNames == 0)
        return E_INVALIDARG;
    AfxModuleStateScope scope(m_pModuleState);
    for (UINT i = 0; i < cNames; ++i)
        rgDispId[i] = DISPID_UNKNOWN;
    const AFX_DISPMAP& map = GetDispatchMap();
    for (std::size_t i = 0; i < map.size() && rgszNames[0] != nullptr; ++i) {
        wchar_t name[64];
        if (MultiByteToWideChar(CP_ACP, 0, map[i].name, -1, name, 64) != 0 && _wcsicmp(name, rgszNames[0]) == 0)
            rgDispId[0] = AfxDispIdOf(map, i);
    }
    // Members take no named arguments, so any further name is unknown.
    return rgDispId[0] != DISPID_UNKNOWN && cNames == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

STDMETHODIMP COleControl::Invoke(DISPID dispIdMember, REFIID /*riid*/, LCID /*lcid*/, WORD wFlags,
                                 DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                 UINT* puArgErr)
{
    AfxModuleStateScope scope(m_pModuleState);
    const AFX_DISPMAP_ENTRY* entry = FindDispEntry(dispIdMember);
    if (entry == nullptr)
        return DISP_E_MEMBERNOTFOUND;
    if (puArgErr != nullptr)
        *puArgErr = 0;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return AfxGuardedCall([&] {
        try {
            return InvokeEntry(*entry, wFlags, pDispParams != nullptr ? pDispParams : &none, pVarResult);
        } catch (const COleDispatchException& e) {
            FillExcepInfo(pExcepInfo, entry->name, e);
            return DISP_E_EXCEPTION;
        }
    });
}

HRESULT COleControl::InvokeEntry(const AFX_DISPMAP_ENTRY& entry, WORD wFlags, DISPPARAMS* params, VARIANT* result)
{
    if (entry.method) {
        if (!(wFlags & DISPATCH_METHOD))
            return DISP_E_MEMBERNOTFOUND;
        if (params->cArgs != 0)
            return DISP_E_BADPARAMCOUNT;
        entry.method(*this);
        if (result != nullptr)
            VariantInit(result);
        return S_OK;
    }
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (params->cArgs != 1)
            return DISP_E_BADPARAMCOUNT;
        if (params->cNamedArgs != 1 || params->rgdispidNamedArgs == nullptr
            || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTOPTIONAL;
        VARIANT value;
        VariantInit(&value);
        const HRESULT hr = VariantChangeType(&value, &params->rgvarg[0], 0, VT_I2);
        if (FAILED(hr))
            return hr;
        entry.put(*this, value.iVal);
        return S_OK;
    }
    if (!(wFlags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)))
        return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != 0)
        return DISP_E_BADPARAMCOUNT;
    const short value = entry.get(*this);
    if (result != nullptr) {
        VariantInit(result);
        result->vt = VT_I2;
        result->iVal = value;
    }
    return S_OK;
}

STDMETHODIMP COleControl::GetPages(CAUUID* pPages)
{
    if (pPages == nullptr)
        return E_POINTER;
    AfxModuleStateScope scope(m_pModuleState);
    const std::vector<CLSID> pages = GetPropPageIDs();
    pPages->cElems = 0;
    pPages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID) * (pages.empty() ? 1 : pages.size())));
    if (pPages->pElems == nullptr)
        return E_OUTOFMEMORY;
    for (const CLSID& page : pages)
        pPages->pElems[pPages->cElems++] = page;
    return S_OK;
}

bool COleControl::OnProperties()
{
    const std::vector<CLSID> pages = GetPropPageIDs();
    IUnknown* self = static_cast<IDispatch*>(this);
    HWND owner = m_hWnd != nullptr ? GetAncestor(m_hWnd, GA_ROOT) : GetActiveWindow();
    wchar_t caption[128] = L"";
    LoadStringW(AfxGetResourceHandle(), GetUserTypeNameID(), caption, 128);
    return SUCCEEDED(OleCreatePropertyFrame(owner, 0, 0, caption, 1, &self, static_cast<ULONG>(pages.size()),
                                            const_cast<CLSID*>(pages.data()), LOCALE_USER_DEFAULT, 0, nullptr));
}
