#include "OlePropertyPage.h"

void DDP_PostProcessing(CDataExchange* /*pDX*/)
{
}

COlePropertyPage::COlePropertyPage(int templateId, int captionId)
    : m_pModuleState(AfxGetModuleState()), m_templateId(templateId), m_captionId(captionId)
{
    ++m_pModuleState->m_nObjectCount;
}

COlePropertyPage::~COlePropertyPage()
{
    ReleaseObjects();
    --m_pModuleState->m_nObjectCount;
}

HRESULT COlePropertyPage::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (!(riid == IID_IUnknown || riid == IID_IPropertyPage))
        return E_NOINTERFACE;
    *ppvObject = static_cast<IPropertyPage*>(this);
    AddRef();
    return S_OK;
}

ULONG COlePropertyPage::AddRef()
{
    return ++m_dwRef;
}

ULONG COlePropertyPage::Release()
{
    const ULONG left = --m_dwRef;
    if (left == 0) {
        AfxModuleStateScope scope(m_pModuleState);
        delete this;
    }
    return left;
}

void COlePropertyPage::ReleaseObjects()
{
    for (IUnknown* object : m_objects)
        object->Release();
    m_objects.clear();
}

HRESULT COlePropertyPage::SetObjects(const std::vector<IUnknown*>& objects)
{
    ReleaseObjects();
    for (IUnknown* object : objects)
        if (object != nullptr) {
            object->AddRef();
            m_objects.push_back(object);
        }
    return S_OK;
}

const DialogTemplate* COlePropertyPage::FindTemplate() const
{
    const IResourceTable* resources = m_pModuleState->m_pResources;
    return resources != nullptr ? resources->FindDialog(m_templateId) : nullptr;
}

HRESULT COlePropertyPage::GetPageInfo(PROPPAGEINFO* pInfo)
{
    if (pInfo == nullptr)
        return E_POINTER;
    const DialogTemplate* dialog = FindTemplate();
    if (dialog == nullptr)
        return E_FAIL;
    *pInfo = PROPPAGEINFO{m_pModuleState->m_pResources->LoadString(m_captionId), dialog->cx, dialog->cy};
    return S_OK;
}

HRESULT COlePropertyPage::GetDialog(DialogTemplate* pDialog)
{
    if (pDialog == nullptr)
        return E_POINTER;
    const DialogTemplate* dialog = FindTemplate();
    if (dialog == nullptr)
        return E_FAIL;
    *pDialog = *dialog;
    return S_OK;
}

HRESULT COlePropertyPage::Apply()
{
    AfxModuleStateScope scope(m_pModuleState);
    CDataExchange dx(true);
    DoDataExchange(&dx);
    return S_OK;
}
