// The four entry points of the in-process server. Each runs in this module's
// state and restores the caller's on every way out, exceptions included.
#include "CelloraIds.h"
#include "CelloraModule.h"
#include "ObjectFactory.h"
#include "OleRegistration.h"

#include "CelloraFactories.h"

#define CELLORA_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
template <class Body> HRESULT InModule(Body&& body)
{
    AfxModuleStateScope scope(CelloraModuleStateRecord());
    if (!CelloraModuleStarted())
        return E_UNEXPECTED;
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}
}

CELLORA_EXPORT HRESULT DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    return InModule([&] { return AfxDllGetClassObject(rclsid, riid, ppv); });
}

CELLORA_EXPORT HRESULT DllCanUnloadNow()
{
    return InModule([] { return AfxDllCanUnloadNow(); });
}

CELLORA_EXPORT HRESULT DllRegisterServer()
{
    return InModule([] {
        if (!AfxOleRegisterTypeLib(AfxGetInstanceHandle(), LIBID_CELLORALib))
            return SELFREG_E_TYPELIB;
        if (!COleObjectFactory::UpdateRegistryAll(true))
            return SELFREG_E_CLASS;
        return S_OK;
    });
}

CELLORA_EXPORT HRESULT DllUnregisterServer()
{
    return InModule([] {
        if (!AfxOleUnregisterTypeLib(LIBID_CELLORALib))
            return SELFREG_E_TYPELIB;
        if (!COleObjectFactory::UpdateRegistryAll(false))
            return SELFREG_E_CLASS;
        return S_OK;
    });
}
