// The four entry points of the in-process server. Each runs in this module's
// state and restores the caller's on every way out, exceptions included.
#include "CelloraFactories.h"
#include "CelloraIds.h"
#include "ControlEntry.h"
#include "OleRegistration.h"

namespace {
template <class Body> HRESULT InModule(Body&& body)
{
    AfxModuleStateScope scope(CelloraModuleStateRecord());
    if (!CelloraModuleStarted())
        return E_UNEXPECTED;
    return AfxGuardedCall(body);
}
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    return InModule([&] { return AfxDllGetClassObject(rclsid, riid, ppv); });
}

STDAPI DllCanUnloadNow()
{
    return InModule([] { return AfxDllCanUnloadNow(); });
}

STDAPI DllRegisterServer()
{
    return InModule([] {
        if (!AfxOleRegisterTypeLib(AfxGetInstanceHandle(), LIBID_CELLORALib))
            return SELFREG_E_TYPELIB;
        if (!COleObjectFactory::UpdateRegistryAll(true))
            return SELFREG_E_CLASS;
        return S_OK;
    });
}

STDAPI DllUnregisterServer()
{
    return InModule([] {
        if (!AfxOleUnregisterTypeLib(LIBID_CELLORALib))
            return SELFREG_E_TYPELIB;
        if (!COleObjectFactory::UpdateRegistryAll(false))
            return SELFREG_E_CLASS;
        return S_OK;
    });
}
