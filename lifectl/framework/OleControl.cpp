#include "OleControl.h"

#include "DispatchException.h"
#include "WindowApi.h"

#include <algorithm>
#include <new>
#include <strings.h>

namespace {
// Every entry point runs in the control's own module state and lets unowned
// message boxes and dialogs reach the control's window system.
struct EntryScope {
    EntryScope(AFX_MODULE_STATE* state, HWND hwnd)
        : module(state), active(hwnd != nullptr ? hwnd->system : nullptr) {}
    AfxModuleStateScope module;
    ActiveWindowSystemScope active;
};

template <class Call> HRESULT Guarded(Call&& call)
{
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}
}

COleControl::COleControl() : m_pModuleState(AfxGetModuleState())
{
    ++m_pModuleState->m_nObjectCount;
}

COleControl::~COleControl()
{
    m_eventPoint.ReleaseSinks();
    DestroyControlWindow();
    if (m_pClientSite != nullptr)
        m_pClientSite->Release();
    --m_pModuleState->m_nObjectCount;
}

HRESULT COleControl::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || (riid == m_iidPrimary && !(riid == GUID_NULL)))
        *ppvObject = static_cast<IDispatch*>(this);
    else if (riid == IID_IOleObject)
        *ppvObject = static_cast<IOleObject*>(this);
    else if (riid == IID_IViewObject)
        *ppvObject = static_cast<IViewObject*>(this);
    else if (riid == IID_IPersistPropertyBag)
        *ppvObject = static_cast<IPersistPropertyBag*>(this);
    else if (riid == IID_ISpecifyPropertyPages)
        *ppvObject = static_cast<ISpecifyPropertyPages*>(this);
    else if (riid == IID_IConnectionPointContainer)
        *ppvObject = static_cast<IConnectionPointContainer*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG COleControl::AddRef()
{
    return ++m_dwRef;
}

ULONG COleControl::Release()
{
    const ULONG left = --m_dwRef;
    if (left == 0) {
        EntryScope scope(m_pModuleState, m_hWnd);
        delete this;
    }
    return left;
}

void COleControl::InitializeIIDs(const IID* piidPrimary, const IID* piidEvents)
{
    m_iidPrimary = *piidPrimary;
    m_iidEvents = *piidEvents;
}

HRESULT COleControl::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = GetTypeInfoCount();
    return S_OK;
}

CTypeLibCache* COleControl::GetTypeLibCache()
{
    return nullptr;
}

HRESULT COleControl::GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo)
{
    if (ppTInfo == nullptr)
        return E_POINTER;
    *ppTInfo = nullptr;
    if (iTInfo != 0)
        return DISP_E_BADPARAMCOUNT;
    EntryScope scope(m_pModuleState, m_hWnd);
    return AfxLoadTypeInfo(
        GetTypeLibCache(), lcid, m_iidPrimary, [&](ITypeLib** lib) { return GetTypeLib(lcid, lib); }, ppTInfo);
}

const AFX_DISPMAP_ENTRY* COleControl::FindDispEntry(DISPID dispid) const
{
    const AFX_DISPMAP& map = GetDispatchMap();
    for (std::size_t i = 0; i < map.size(); ++i)
        if (AfxDispIdOf(map, i) == dispid)
            return &map[i];
    return nullptr;
}

HRESULT COleControl::GetIDsOfNames(REFIID /*riid*/, const char* const* rgszNames, UINT cNames, LCID /*lcid*/,
                                   DISPID* rgDispId)
{
    if (rgszNames == nullptr || rgDispId == nullptr || cNames == 0)
        return E_INVALIDARG;
    for (UINT i = 0; i < cNames; ++i)
        rgDispId[i] = DISPID_UNKNOWN;
    const AFX_DISPMAP& map = GetDispatchMap();
    for (std::size_t i = 0; i < map.size(); ++i)
        if (rgszNames[0] != nullptr && strcasecmp(map[i].name, rgszNames[0]) == 0)
            rgDispId[0] = AfxDispIdOf(map, i);
    // Members take no named arguments, so any further name is unknown.
    return rgDispId[0] != DISPID_UNKNOWN && cNames == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT COleControl::Invoke(DISPID dispIdMember, REFIID /*riid*/, LCID /*lcid*/, WORD wFlags,
                            DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr)
{
    const AFX_DISPMAP_ENTRY* entry = FindDispEntry(dispIdMember);
    if (entry == nullptr)
        return DISP_E_MEMBERNOTFOUND;
    if (puArgErr != nullptr)
        *puArgErr = 0;
    DISPPARAMS none;
    EntryScope scope(m_pModuleState, m_hWnd);
    return Guarded([&] {
        try {
            return InvokeEntry(*entry, wFlags, pDispParams != nullptr ? pDispParams : &none, pVarResult);
        } catch (const COleDispatchException& e) {
            if (pExcepInfo != nullptr)
                *pExcepInfo = EXCEPINFO{e.m_wCode, entry->name, e.what(), e.m_wCode == 0 ? E_FAIL : 0};
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
    if (wFlags & (DISPATCH_PROPERTYPUT)) {
        if (params->cArgs != 1)
            return DISP_E_BADPARAMCOUNT;
        if (params->cNamedArgs != 1 || params->rgdispidNamedArgs == nullptr
            || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_NONAMEDARGS;
        VARIANT value;
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
        result->vt = VT_I2;
        result->iVal = value;
    }
    return S_OK;
}

HRESULT COleControl::SetClientSite(IOleClientSite* pSite)
{
    EntryScope scope(m_pModuleState, m_hWnd);
    DestroyControlWindow();
    if (m_pClientSite != nullptr)
        m_pClientSite->Release();
    m_pClientSite = pSite;
    if (pSite == nullptr)
        return S_OK;
    pSite->AddRef();
    const RECT rect = pSite->GetControlRect();
    m_cxExtent = rect.right - rect.left;
    m_cyExtent = rect.bottom - rect.top;
    IWindowSystem* system = pSite->GetWindowSystem();
    m_hWnd = system != nullptr ? system->CreateChildWindow(this, rect) : nullptr;
    return m_hWnd != nullptr ? S_OK : E_FAIL;
}

void COleControl::DestroyControlWindow()
{
    if (m_hWnd == nullptr)
        return;
    HWND hwnd = m_hWnd;
    m_hWnd = nullptr;
    hwnd->system->DestroyWindow(hwnd);
}

HRESULT COleControl::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = m_hWnd;
    return m_hWnd != nullptr ? S_OK : E_FAIL;
}

HRESULT COleControl::EnumVerbs(std::vector<OLEVERB>* pVerbs)
{
    if (pVerbs == nullptr)
        return E_POINTER;
    pVerbs->clear();
    LONG number = OLEIVERB_PRIMARY;
    for (const AFX_MSGMAP_ENTRY& entry : GetMessageMap())
        if (entry.kind == AFX_MSGMAP_ENTRY::Verb)
            pVerbs->push_back({number++, entry.id == AFX_IDS_VERB_EDIT ? "&Edit" : "&Properties..."});
    return S_OK;
}

HRESULT COleControl::DoVerb(LONG iVerb)
{
    EntryScope scope(m_pModuleState, m_hWnd);
    LONG number = OLEIVERB_PRIMARY;
    for (const AFX_MSGMAP_ENTRY& entry : GetMessageMap()) {
        if (entry.kind != AFX_MSGMAP_ENTRY::Verb)
            continue;
        const bool properties = iVerb == OLEIVERB_PROPERTIES && entry.id == AFX_IDS_VERB_PROPERTIES;
        if (number++ == iVerb || properties)
            return Guarded([&] { return entry.handler(*this, 0, 0) != 0 ? S_OK : E_FAIL; });
    }
    return E_NOTIMPL;
}

bool COleControl::OnEdit()
{
    return m_pClientSite != nullptr && SUCCEEDED(m_pClientSite->ShowObject());
}

bool COleControl::OnProperties()
{
    if (m_pClientSite == nullptr)
        return false;
    return SUCCEEDED(m_pClientSite->ShowPropertyFrame(static_cast<IDispatch*>(this), GetPropPageIDs()));
}

HRESULT COleControl::GetMiscStatus(DWORD* pdwStatus)
{
    if (pdwStatus == nullptr)
        return E_POINTER;
    *pdwStatus = GetMiscStatus();
    return S_OK;
}

HRESULT COleControl::GetUserClassID(CLSID* pClsid)
{
    if (pClsid == nullptr)
        return E_POINTER;
    *pClsid = GetClassID();
    return S_OK;
}

HRESULT COleControl::GetUserType(std::string* pName)
{
    if (pName == nullptr)
        return E_POINTER;
    const IResourceTable* resources = m_pModuleState->m_pResources;
    if (resources == nullptr)
        return E_FAIL;
    *pName = resources->LoadString(static_cast<int>(GetUserTypeNameID()));
    return S_OK;
}

HRESULT COleControl::Draw(CDC* pTarget, const RECT& bounds)
{
    if (pTarget == nullptr)
        return E_POINTER;
    EntryScope scope(m_pModuleState, m_hWnd);
    return Guarded([&] {
        OnDraw(pTarget, bounds, bounds);
        return S_OK;
    });
}

LRESULT COleControl::WindowProc(MSGID message, WPARAM wParam, LPARAM lParam)
{
    EntryScope scope(m_pModuleState, m_hWnd);
    try {
        for (const AFX_MSGMAP_ENTRY& entry : GetMessageMap())
            if (entry.kind == AFX_MSGMAP_ENTRY::Message && entry.id == message)
                return entry.handler(*this, wParam, lParam);
        if (message == WM_PAINT && wParam != 0) {
            const RECT client{0, 0, m_cxExtent, m_cyExtent};
            OnDraw(reinterpret_cast<CDC*>(wParam), client, client);
        }
    } catch (const std::bad_alloc&) {
        MessageBoxA(nullptr, "Out of memory.", "GameOfLife Control", MB_OK);
    }
    return 0;
}

void COleControl::DoPropExchange(CPropExchange* pPX)
{
    pPX->PX_Long("_ExtentX", m_cxExtent, m_cxExtent);
    pPX->PX_Long("_ExtentY", m_cyExtent, m_cyExtent);
}

void COleControl::OnResetState()
{
    // The framework's own state after a reset is its extent, which a reset keeps.
}

HRESULT COleControl::InitNew()
{
    EntryScope scope(m_pModuleState, m_hWnd);
    return Guarded([&] {
        OnResetState();
        return S_OK;
    });
}

HRESULT COleControl::Load(const CPropertyBag& bag)
{
    EntryScope scope(m_pModuleState, m_hWnd);
    CPropertyBag copy = bag;
    CPropExchange px(copy, true);
    return Guarded([&] {
        DoPropExchange(&px);
        return S_OK;
    });
}

HRESULT COleControl::Save(CPropertyBag& bag)
{
    EntryScope scope(m_pModuleState, m_hWnd);
    CPropExchange px(bag, false);
    return Guarded([&] {
        DoPropExchange(&px);
        return S_OK;
    });
}

HRESULT COleControl::GetPages(std::vector<CLSID>* pPages)
{
    if (pPages == nullptr)
        return E_POINTER;
    *pPages = GetPropPageIDs();
    return S_OK;
}

const AFX_EVENTMAP& COleControl::GetEventMap() const
{
    static const AFX_EVENTMAP none;
    return none;
}

bool COleControl::FireEvent(DISPID dispid)
{
    const AFX_EVENTMAP& map = GetEventMap();
    if (std::none_of(map.begin(), map.end(), [dispid](const AFX_EVENTMAP_ENTRY& e) { return e.dispid == dispid; }))
        return false;
    // Copied first: a sink may disconnect while it hears the event.
    const auto sinks = m_eventPoint.Sinks();
    for (const auto& sink : sinks)
        sink.second->Invoke(dispid, GUID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr);
    return true;
}

HRESULT COleControl::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP)
{
    if (ppCP == nullptr)
        return E_POINTER;
    *ppCP = nullptr;
    if (riid == GUID_NULL || !(riid == m_iidEvents))
        return CONNECT_E_NOCONNECTION;
    m_eventPoint.AddRef();
    *ppCP = &m_eventPoint;
    return S_OK;
}

HRESULT COleControl::EventConnectionPoint::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (!(riid == IID_IUnknown || riid == IID_IConnectionPoint))
        return E_NOINTERFACE;
    AddRef();
    *ppvObject = static_cast<IConnectionPoint*>(this);
    return S_OK;
}

HRESULT COleControl::EventConnectionPoint::GetConnectionInterface(IID* pIID)
{
    if (pIID == nullptr)
        return E_POINTER;
    *pIID = m_owner.m_iidEvents;
    return S_OK;
}

HRESULT COleControl::EventConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie)
{
    if (pUnkSink == nullptr || pdwCookie == nullptr)
        return E_POINTER;
    *pdwCookie = 0;
    void* sink = nullptr;
    if (FAILED(pUnkSink->QueryInterface(m_owner.m_iidEvents, &sink))
        && FAILED(pUnkSink->QueryInterface(IID_IDispatch, &sink)))
        return CONNECT_E_CANNOTCONNECT;
    *pdwCookie = m_nextCookie++;
    m_sinks.emplace_back(*pdwCookie, static_cast<IDispatch*>(sink));
    return S_OK;
}

HRESULT COleControl::EventConnectionPoint::Unadvise(DWORD dwCookie)
{
    for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it)
        if (it->first == dwCookie) {
            IDispatch* sink = it->second;
            m_sinks.erase(it);
            sink->Release();
            return S_OK;
        }
    return CONNECT_E_NOCONNECTION;
}

void COleControl::EventConnectionPoint::ReleaseSinks()
{
    for (auto& sink : m_sinks)
        sink.second->Release();
    m_sinks.clear();
}
