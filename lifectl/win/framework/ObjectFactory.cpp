#include "ObjectFactory.h"

#include "ControlEntry.h"

COleObjectFactory::COleObjectFactory(AFX_MODULE_STATE& module, REFCLSID clsid, const CRuntimeClass* pRuntimeClass,
                                     bool bMultiInstance, const char* lpszProgID)
    : m_module(module), m_clsid(clsid), m_pRuntimeClass(pRuntimeClass), m_bMultiInstance(bMultiInstance),
      m_progID(lpszProgID != nullptr ? lpszProgID : ""), m_pNextFactory(module.m_pFactoryFirst)
{
    module.m_pFactoryFirst = this;
}

COleObjectFactory::~COleObjectFactory()
{
    for (COleObjectFactory** link = &m_module.m_pFactoryFirst; *link != nullptr; link = &(*link)->m_pNextFactory)
        if (*link == this) {
            *link = m_pNextFactory;
            break;
        }
}

STDMETHODIMP COleObjectFactory::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (riid != IID_IUnknown && riid != IID_IClassFactory)
        return E_NOINTERFACE;
    *ppvObject = static_cast<IClassFactory*>(this);
    return S_OK;
}

STDMETHODIMP COleObjectFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (pUnkOuter != nullptr)
        return CLASS_E_NOAGGREGATION;
    AfxModuleStateScope scope(&m_module);
    return AfxGuardedCall([&] {
        IUnknown* object = m_pRuntimeClass->m_pfnCreateObject();
        if (object == nullptr)
            return E_OUTOFMEMORY;
        const HRESULT hr = object->QueryInterface(riid, ppvObject);
        object->Release();
        return hr;
    });
}

STDMETHODIMP COleObjectFactory::LockServer(BOOL fLock)
{
    AfxModuleStateScope scope(&m_module);
    if (fLock)
        AfxOleLockApp();
    else
        AfxOleUnlockApp();
    return S_OK;
}

bool COleObjectFactory::UpdateRegistryAll(bool bRegister)
{
    for (COleObjectFactory* f = AfxGetModuleState()->m_pFactoryFirst; f != nullptr; f = f->m_pNextFactory)
        if (!f->UpdateRegistry(bRegister))
            return false;
    return true;
}

HRESULT AfxDllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    for (COleObjectFactory* f = AfxGetModuleState()->m_pFactoryFirst; f != nullptr; f = f->Next())
        if (f->GetClassID() == rclsid)
            return f->QueryInterface(riid, ppv);
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT AfxDllCanUnloadNow()
{
    return AfxOleCanExitApp() ? S_OK : S_FALSE;
}
