#include "OlePropertyPage.h"

namespace {
INT_PTR CALLBACK PageDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

LPOLESTR CoTaskCopy(const wchar_t* text, int length)
{
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc(sizeof(wchar_t) * (length + 1)));
    if (copy != nullptr)
        lstrcpynW(copy, text, length + 1);
    return copy;
}
}

void DDP_PostProcessing(CDataExchange* /*pDX*/)
{
    // No page control exchanges a value, so nothing is handed to the objects.
}

COlePropertyPage::COlePropertyPage(int templateId, int captionId)
    : m_pModuleState(AfxGetModuleState()), m_templateId(templateId), m_captionId(captionId)
{
    InterlockedIncrement(&m_pModuleState->m_nObjectCount);
}

COlePropertyPage::~COlePropertyPage()
{
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
    ReleaseObjects();
    if (m_pPageSite != nullptr)
        m_pPageSite->Release();
    InterlockedDecrement(&m_pModuleState->m_nObjectCount);
}

STDMETHODIMP COlePropertyPage::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (riid != IID_IUnknown && riid != IID_IPropertyPage)
        return E_NOINTERFACE;
    *ppvObject = static_cast<IPropertyPage*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COlePropertyPage::AddRef()
{
    return InterlockedIncrement(reinterpret_cast<LONG*>(&m_dwRef));
}

STDMETHODIMP_(ULONG) COlePropertyPage::Release()
{
    const ULONG left = InterlockedDecrement(reinterpret_cast<LONG*>(&m_dwRef));
    if (left == 0) {
        AfxModuleStateScope scope(m_pModuleState);
        delete this;
    }
    return left;
}

STDMETHODIMP COlePropertyPage::SetPageSite(IPropertyPageSite* pPageSite)
{
    if (pPageSite != nullptr)
        pPageSite->AddRef();
    if (m_pPageSite != nullptr)
        m_pPageSite->Release();
    m_pPageSite = pPageSite;
    return S_OK;
}

HWND COlePropertyPage::MakeDialog(HWND hWndParent)
{
    return CreateDialogParamA(m_pModuleState->m_hCurrentInstanceHandle, MAKEINTRESOURCEA(m_templateId), hWndParent,
                              PageDialogProc, 0);
}

STDMETHODIMP COlePropertyPage::Activate(HWND hWndParent, LPCRECT pRect, BOOL)
{
    AfxModuleStateScope scope(m_pModuleState);
    if (m_hWnd != nullptr)
        return E_UNEXPECTED;
    m_hWnd = MakeDialog(hWndParent);
    if (m_hWnd == nullptr)
        return E_FAIL;
    if (pRect != nullptr)
        Move(pRect);
    return S_OK;
}

STDMETHODIMP COlePropertyPage::Deactivate()
{
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return S_OK;
}

STDMETHODIMP COlePropertyPage::GetPageInfo(PROPPAGEINFO* pPageInfo)
{
    if (pPageInfo == nullptr)
        return E_POINTER;
    AfxModuleStateScope scope(m_pModuleState);
    // The page's size in pixels is that of its template's dialog at the font it names.
    HWND probe = MakeDialog(GetDesktopWindow());
    if (probe == nullptr)
        return E_FAIL;
    RECT rect;
    GetWindowRect(probe, &rect);
    DestroyWindow(probe);
    wchar_t caption[128] = L"";
    const int length = LoadStringW(m_pModuleState->m_hCurrentInstanceHandle, m_captionId, caption, 128);
    pPageInfo->cb = sizeof(PROPPAGEINFO);
    pPageInfo->pszTitle = CoTaskCopy(caption, length);
    pPageInfo->size.cx = rect.right - rect.left;
    pPageInfo->size.cy = rect.bottom - rect.top;
    pPageInfo->pszDocString = nullptr;
    pPageInfo->pszHelpFile = nullptr;
    pPageInfo->dwHelpContext = 0;
    return pPageInfo->pszTitle != nullptr ? S_OK : E_OUTOFMEMORY;
}

void COlePropertyPage::ReleaseObjects()
{
    for (IUnknown* object : m_objects)
        object->Release();
    m_objects.clear();
}

STDMETHODIMP COlePropertyPage::SetObjects(ULONG cObjects, IUnknown** ppUnk)
{
    if (cObjects != 0 && ppUnk == nullptr)
        return E_POINTER;
    ReleaseObjects();
    for (ULONG i = 0; i < cObjects; ++i)
        if (ppUnk[i] != nullptr) {
            ppUnk[i]->AddRef();
            m_objects.push_back(ppUnk[i]);
        }
    return S_OK;
}

STDMETHODIMP COlePropertyPage::Show(UINT nCmdShow)
{
    if (m_hWnd == nullptr)
        return E_UNEXPECTED;
    ShowWindow(m_hWnd, static_cast<int>(nCmdShow));
    return S_OK;
}

STDMETHODIMP COlePropertyPage::Move(LPCRECT pRect)
{
    if (pRect == nullptr)
        return E_POINTER;
    if (m_hWnd == nullptr)
        return E_UNEXPECTED;
    MoveWindow(m_hWnd, pRect->left, pRect->top, pRect->right - pRect->left, pRect->bottom - pRect->top, TRUE);
    return S_OK;
}

STDMETHODIMP COlePropertyPage::IsPageDirty()
{
    return S_FALSE;
}

STDMETHODIMP COlePropertyPage::Apply()
{
    AfxModuleStateScope scope(m_pModuleState);
    try {
        CDataExchange exchange(true);
        DoDataExchange(&exchange);
        return S_OK;
    } catch (...) {
        return E_FAIL;
    }
}

STDMETHODIMP COlePropertyPage::Help(LPCOLESTR) { return E_NOTIMPL; }

STDMETHODIMP COlePropertyPage::TranslateAccelerator(MSG* pMsg)
{
    return m_hWnd != nullptr && pMsg != nullptr && IsDialogMessageW(m_hWnd, pMsg) ? S_OK : S_FALSE;
}
