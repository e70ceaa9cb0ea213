#include "ObjectFactory.h"

#include <new>

COleObjectFactory::COleObjectFactory(AFX_MODULE_STATE& module, REFCLSID clsid, const CRuntimeClass* pRuntimeClass,
                                     bool bMultiInstance, const char* lpszProgID)
    : m_module(module), m_clsid(clsid), m_pRuntimeClass(pRuntimeClass), m_bMultiInstance(bMultiInstance),
      m_progID(lpszProgID != nullptr ? lpszProgID : ""), m_pNextFactory(module.m_pFactoryFirst)
{
    module.m_pFactoryFirst = this;
}

COleObjectFactory::~COleObjectFactory()
{
    // Factories go in reverse order of their making, so this one heads the list.
    if (m_module.m_pFactoryFirst == this)
        m_module.m_pFactoryFirst = m_pNextFactory;
}

HRESULT COleObjectFactory::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (!(riid == IID_IUnknown || riid == IID_IClassFactory))
        return E_NOINTERFACE;
    *ppvObject = static_cast<IClassFactory*>(this);
    return S_OK;
}

HRESULT COleObjectFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (pUnkOuter != nullptr)
        return CLASS_E_NOAGGREGATION;
    AfxModuleStateScope scope(&m_module);
    IUnknown* object = nullptr;
    try {
        object = m_pRuntimeClass->m_pfnCreateObject();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
    const HRESULT hr = object->QueryInterface(riid, ppvObject);
    object->Release();
    return hr;
}

HRESULT COleObjectFactory::LockServer(int fLock)
{
    m_module.m_nLockCount += fLock ? 1 : -1;
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
