// The server's static objects. They are made in this order when the server is
// loaded and destroyed in reverse when it is unloaded: the module's state
// record, the page's run-time class and factory, the control's run-time class,
// event map and factory, the module object, then the framework's start-up,
// which runs once the loader hands us our instance handle.
#include "CelloraFactories.h"
// The module object is platform-free and shared with the Linux server; its
// folder is not on our include path, since the Linux layers live there too.
#include "../../server/CelloraApp.h"
#include "GameOfLifeCtrl.h"
#include "GameOfLifePropPage.h"

#include <vector>

namespace {
AFX_MODULE_STATE g_moduleState;
const CRuntimeClass classCGameOfLifePropPage = {
    "CGameOfLifePropPage", [] { return static_cast<IUnknown*>(new CGameOfLifePropPage); }};
CGameOfLifePropPageFactory g_pageFactory(g_moduleState, &classCGameOfLifePropPage);
const CRuntimeClass classCGameOfLifeCtrl = {
    "CGameOfLifeCtrl", [] { return static_cast<IUnknown*>(static_cast<IDispatch*>(new CGameOfLifeCtrl)); }};
// The control fires no events.
const std::vector<DISPID> eventMapCGameOfLifeCtrl;
CGameOfLifeCtrlFactory g_controlFactory(g_moduleState, &classCGameOfLifeCtrl);
CCelloraApp theApp;
bool g_started = false;
}

AFX_MODULE_STATE* CelloraModuleStateRecord()
{
    return &g_moduleState;
}

bool CelloraModuleStarted()
{
    return g_started;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_moduleState.m_hCurrentInstanceHandle = hInstance;
        DisableThreadLibraryCalls(hInstance);
        AfxModuleStateScope scope(&g_moduleState);
        g_started = theApp.InitInstance();
        return g_started ? TRUE : FALSE;
    }
    if (reason == DLL_PROCESS_DETACH) {
        AfxModuleStateScope scope(&g_moduleState);
        if (g_started)
            theApp.ExitInstance();
        AfxReleaseTypeLibCache();
        UnregisterClassA("CelloraControlWindow", hInstance);
    }
    return TRUE;
}
