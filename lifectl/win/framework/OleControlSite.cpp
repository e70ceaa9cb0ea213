// COleControl: the container's site, verbs, in-place activation and the
// control's child window, whose messages go through the message map.
#include "OleControl.h"

LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

namespace {
constexpr const char* kWindowClass = "CelloraControlWindow";

bool RegisterControlClass(HINSTANCE instance)
{
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kWindowClass, &existing))
        return true;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ControlWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    return RegisterClassA(&wc) != 0;
}

LONG PixelsToHimetric(int pixels, int dpi)
{
    return MulDiv(pixels, 2540, dpi);
}
}

LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<COleControl*>(create->lpCreateParams)->m_hWnd = hwnd;
    }
    auto* control = reinterpret_cast<COleControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (control == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    AfxModuleStateScope scope(control->m_pModuleState);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        control->m_hWnd = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return control->WindowProc(message, wParam, lParam);
}

LRESULT COleControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hwnd = m_hWnd;
    try {
        if (message == WM_PAINT) {
            OnPaint();
            return 0;
        }
        if (message == WM_PRINTCLIENT) {
            CDC dc(reinterpret_cast<HDC>(wParam));
            RECT client;
            GetClientRect(hwnd, &client);
            OnDraw(&dc, client, client);
            return 0;
        }
        for (const AFX_MSGMAP_ENTRY& entry : GetMessageMap())
            if (entry.kind == AFX_MSGMAP_ENTRY::Message && entry.id == message)
                return entry.handler(*this, wParam, lParam);
    } catch (...) {
        // A failing handler must not unwind through the platform's dispatcher.
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void COleControl::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(m_hWnd, &ps);
    if (hdc != nullptr) {
        CDC dc(hdc);
        RECT client;
        GetClientRect(m_hWnd, &client);
        OnDraw(&dc, client, ps.rcPaint);
    }
    EndPaint(m_hWnd, &ps);
}

bool COleControl::CreateControlWindow(HWND hwndParent, const RECT& rect)
{
    if (!RegisterControlClass(m_pModuleState->m_hCurrentInstanceHandle))
        return false;
    CreateWindowExA(0, kWindowClass, "", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, hwndParent, nullptr,
                    m_pModuleState->m_hCurrentInstanceHandle, this);
    return m_hWnd != nullptr;
}

void COleControl::DestroyControlWindow()
{
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

HRESULT COleControl::InPlaceActivate(HWND hwndParent, LPCRECT lprcPosRect)
{
    if (m_hWnd != nullptr) {
        if (lprcPosRect != nullptr)
            SetObjectRects(lprcPosRect, lprcPosRect);
        ShowWindow(m_hWnd, SW_SHOW);
        return S_OK;
    }
    IOleInPlaceSite* site = nullptr;
    if (m_pClientSite != nullptr)
        m_pClientSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&site));
    if (site == nullptr) {
        // A container without an in-place site may still give us a parent window.
        if (hwndParent == nullptr || lprcPosRect == nullptr)
            return E_NOTIMPL;
        return CreateControlWindow(hwndParent, *lprcPosRect) ? (ShowWindow(m_hWnd, SW_SHOW), S_OK) : E_FAIL;
    }
    if (site->CanInPlaceActivate() != S_OK) {
        site->Release();
        return E_FAIL;
    }
    site->OnInPlaceActivate();
    HWND parent = nullptr;
    site->GetWindow(&parent);
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = nullptr;
    RECT pos = {}, clip = {};
    OLEINPLACEFRAMEINFO info = {};
    info.cb = sizeof info;
    if (SUCCEEDED(site->GetWindowContext(&frame, &document, &pos, &clip, &info))) {
        if (frame != nullptr)
            frame->Release();
        if (document != nullptr)
            document->Release();
    }
    if (lprcPosRect != nullptr && IsRectEmpty(&pos))
        pos = *lprcPosRect;
    if (parent == nullptr || !CreateControlWindow(parent, pos)) {
        site->OnInPlaceDeactivate();
        site->Release();
        return E_FAIL;
    }
    m_pInPlaceSite = site;
    ShowWindow(m_hWnd, SW_SHOW);
    return S_OK;
}

bool COleControl::OnEdit()
{
    return SUCCEEDED(InPlaceActivate(nullptr, nullptr));
}

HRESULT COleControl::RunVerbEntry(unsigned nameId)
{
    for (const AFX_MSGMAP_ENTRY& entry : GetMessageMap())
        if (entry.kind == AFX_MSGMAP_ENTRY::Verb && entry.id == nameId)
            return entry.handler(*this, 0, 0) != 0 ? S_OK : E_FAIL;
    return OLEOBJ_S_INVALIDVERB;
}

STDMETHODIMP COleControl::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND hwndParent,
                                 LPCRECT lprcPosRect)
{
    AfxModuleStateScope scope(m_pModuleState);
    if (m_pClientSite == nullptr && pActiveSite != nullptr)
        SetClientSite(pActiveSite);
    switch (iVerb) {
    case OLEIVERB_PRIMARY:
        return RunVerbEntry(AFX_IDS_VERB_EDIT);
    case OLEIVERB_PROPERTIES:
        return RunVerbEntry(AFX_IDS_VERB_PROPERTIES);
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
    case OLEIVERB_OPEN:
        return InPlaceActivate(hwndParent, lprcPosRect);
    case OLEIVERB_HIDE:
        if (m_hWnd != nullptr)
            ShowWindow(m_hWnd, SW_HIDE);
        return S_OK;
    default:
        return iVerb == 1 ? RunVerbEntry(AFX_IDS_VERB_PROPERTIES) : OLEOBJ_S_INVALIDVERB;
    }
}

STDMETHODIMP COleControl::SetClientSite(IOleClientSite* pClientSite)
{
    AfxModuleStateScope scope(m_pModuleState);
    if (pClientSite != nullptr)
        pClientSite->AddRef();
    if (m_pClientSite != nullptr)
        m_pClientSite->Release();
    m_pClientSite = pClientSite;
    return S_OK;
}

STDMETHODIMP COleControl::GetClientSite(IOleClientSite** ppClientSite)
{
    if (ppClientSite == nullptr)
        return E_POINTER;
    *ppClientSite = m_pClientSite;
    if (m_pClientSite != nullptr)
        m_pClientSite->AddRef();
    return S_OK;
}

STDMETHODIMP COleControl::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP COleControl::Close(DWORD)
{
    AfxModuleStateScope scope(m_pModuleState);
    InPlaceDeactivate();
    if (m_pOleAdviseHolder != nullptr)
        m_pOleAdviseHolder->SendOnClose();
    return S_OK;
}

STDMETHODIMP COleControl::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }
STDMETHODIMP COleControl::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP COleControl::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }
STDMETHODIMP COleControl::GetClipboardData(DWORD, IDataObject** ppDataObject)
{
    if (ppDataObject != nullptr)
        *ppDataObject = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb)
{
    return OleRegEnumVerbs(GetClassID(), ppEnumOleVerb);
}

STDMETHODIMP COleControl::Update() { return S_OK; }
STDMETHODIMP COleControl::IsUpToDate() { return S_OK; }

STDMETHODIMP COleControl::GetUserClassID(CLSID* pClsid)
{
    if (pClsid == nullptr)
        return E_POINTER;
    *pClsid = GetClassID();
    return S_OK;
}

STDMETHODIMP COleControl::GetUserType(DWORD, LPOLESTR* pszUserType)
{
    if (pszUserType == nullptr)
        return E_POINTER;
    AfxModuleStateScope scope(m_pModuleState);
    wchar_t name[128] = L"";
    const int length = LoadStringW(AfxGetResourceHandle(), GetUserTypeNameID(), name, 128);
    *pszUserType = static_cast<LPOLESTR>(CoTaskMemAlloc(sizeof(wchar_t) * (length + 1)));
    if (*pszUserType == nullptr)
        return E_OUTOFMEMORY;
    lstrcpynW(*pszUserType, name, length + 1);
    return S_OK;
}

STDMETHODIMP COleControl::SetExtent(DWORD dwDrawAspect, SIZEL* psizel)
{
    if (dwDrawAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (psizel == nullptr)
        return E_POINTER;
    m_cxExtent = psizel->cx;
    m_cyExtent = psizel->cy;
    m_bModified = true;
    return S_OK;
}

STDMETHODIMP COleControl::GetExtent(DWORD dwDrawAspect, SIZEL* psizel)
{
    if (dwDrawAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (psizel == nullptr)
        return E_POINTER;
    psizel->cx = m_cxExtent;
    psizel->cy = m_cyExtent;
    return S_OK;
}

STDMETHODIMP COleControl::Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection)
{
    if (m_pOleAdviseHolder == nullptr && FAILED(CreateOleAdviseHolder(&m_pOleAdviseHolder)))
        return E_OUTOFMEMORY;
    return m_pOleAdviseHolder->Advise(pAdvSink, pdwConnection);
}

STDMETHODIMP COleControl::Unadvise(DWORD dwConnection)
{
    return m_pOleAdviseHolder != nullptr ? m_pOleAdviseHolder->Unadvise(dwConnection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP COleControl::EnumAdvise(IEnumSTATDATA** ppenumAdvise)
{
    if (ppenumAdvise != nullptr)
        *ppenumAdvise = nullptr;
    return m_pOleAdviseHolder != nullptr ? m_pOleAdviseHolder->EnumAdvise(ppenumAdvise) : E_FAIL;
}

STDMETHODIMP COleControl::GetMiscStatus(DWORD, DWORD* pdwStatus)
{
    if (pdwStatus == nullptr)
        return E_POINTER;
    *pdwStatus = GetMiscStatus();
    return S_OK;
}

STDMETHODIMP COleControl::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

STDMETHODIMP COleControl::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = m_hWnd;
    return m_hWnd != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP COleControl::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP COleControl::InPlaceDeactivate()
{
    AfxModuleStateScope scope(m_pModuleState);
    DestroyControlWindow();
    if (m_pInPlaceSite != nullptr) {
        IOleInPlaceSite* site = m_pInPlaceSite;
        m_pInPlaceSite = nullptr;
        site->OnInPlaceDeactivate();
        site->Release();
    }
    return S_OK;
}

STDMETHODIMP COleControl::UIDeactivate() { return S_OK; }

STDMETHODIMP COleControl::SetObjectRects(LPCRECT lprcPosRect, LPCRECT)
{
    if (lprcPosRect == nullptr)
        return E_POINTER;
    if (m_hWnd != nullptr)
        MoveWindow(m_hWnd, lprcPosRect->left, lprcPosRect->top, lprcPosRect->right - lprcPosRect->left,
                   lprcPosRect->bottom - lprcPosRect->top, TRUE);
    HDC screen = GetDC(nullptr);
    m_cxExtent = PixelsToHimetric(lprcPosRect->right - lprcPosRect->left, GetDeviceCaps(screen, LOGPIXELSX));
    m_cyExtent = PixelsToHimetric(lprcPosRect->bottom - lprcPosRect->top, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return S_OK;
}

STDMETHODIMP COleControl::ReactivateAndUndo() { return E_NOTIMPL; }
STDMETHODIMP COleControl::TranslateAccelerator(LPMSG) { return S_FALSE; }
STDMETHODIMP COleControl::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP COleControl::OnDocWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP COleControl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
STDMETHODIMP COleControl::EnableModeless(BOOL) { return S_OK; }

STDMETHODIMP COleControl::GetControlInfo(CONTROLINFO* pCI)
{
    if (pCI == nullptr)
        return E_POINTER;
    pCI->hAccel = nullptr;
    pCI->cAccel = 0;
    pCI->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP COleControl::OnMnemonic(MSG*) { return E_NOTIMPL; }
STDMETHODIMP COleControl::OnAmbientPropertyChange(DISPID) { return S_OK; }
STDMETHODIMP COleControl::FreezeEvents(BOOL) { return S_OK; }
