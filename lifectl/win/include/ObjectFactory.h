#pragma once
// A static class factory of the framework on the platform's IClassFactory: it
// creates the objects of one class by dynamic creation, joins its module's list
// of factories when it is made and writes or removes its class's registration.
#include "ModuleState.h"

#include <string>

struct CRuntimeClass {
    const char* m_lpszClassName;
    IUnknown* (*m_pfnCreateObject)();
};

class COleObjectFactory : public IClassFactory {
public:
    COleObjectFactory(AFX_MODULE_STATE& module, REFCLSID clsid, const CRuntimeClass* pRuntimeClass,
                      bool bMultiInstance, const char* lpszProgID);
    virtual ~COleObjectFactory();
    COleObjectFactory(const COleObjectFactory&) = delete;
    COleObjectFactory& operator=(const COleObjectFactory&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
    // A static object: references neither make nor end it.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) override;
    STDMETHODIMP LockServer(BOOL fLock) override;

    virtual bool UpdateRegistry(bool bRegister) = 0;
    // Runs UpdateRegistry of every factory of the current module; fails when one fails.
    static bool UpdateRegistryAll(bool bRegister);

    const CLSID& GetClassID() const { return m_clsid; }
    const std::string& GetProgID() const { return m_progID; }
    COleObjectFactory* Next() const { return m_pNextFactory; }

private:
    AFX_MODULE_STATE& m_module;
    CLSID m_clsid;
    const CRuntimeClass* m_pRuntimeClass;
    bool m_bMultiInstance;
    std::string m_progID;
    COleObjectFactory* m_pNextFactory;
};

HRESULT AfxDllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv);
HRESULT AfxDllCanUnloadNow();
