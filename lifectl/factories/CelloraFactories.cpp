// The server's two class factories, the same for every platform: each build
// compiles this file against its own framework headers (CelloraFactories.h,
// ObjectFactory.h, OleRegistration.h), kept in a folder of their own.
#include "CelloraFactories.h"

#include "CelloraIds.h"
#include "CelloraResourceIds.h"
#include "OleRegistration.h"

namespace {
constexpr const char* kControlProgID = "CELLORA.GameOfLifeCtrl.1";
constexpr const char* kPageProgID = "CELLORA.GameOfLifePropPage.1";
constexpr unsigned kControlRegFlags = afxRegInsertable | afxRegApartmentThreading;
}

CGameOfLifeCtrlFactory::CGameOfLifeCtrlFactory(AFX_MODULE_STATE& module, const CRuntimeClass* pRuntimeClass)
    : COleObjectFactory(module, CLSID_GameOfLife, pRuntimeClass, false, kControlProgID)
{
}

bool CGameOfLifeCtrlFactory::UpdateRegistry(bool bRegister)
{
    if (bRegister)
        return AfxOleRegisterControlClass(AfxGetInstanceHandle(), CLSID_GameOfLife, kControlProgID, IDS_GAMEOFLIFE,
                                          IDB_GAMEOFLIFE, kControlRegFlags, kGameOfLifeMiscStatus, LIBID_CELLORALib,
                                          kTypeLibMajor, kTypeLibMinor);
    return AfxOleUnregisterClass(CLSID_GameOfLife, kControlProgID);
}

CGameOfLifePropPageFactory::CGameOfLifePropPageFactory(AFX_MODULE_STATE& module, const CRuntimeClass* pRuntimeClass)
    : COleObjectFactory(module, CLSID_GameOfLifePropPage, pRuntimeClass, false, kPageProgID)
{
}

bool CGameOfLifePropPageFactory::UpdateRegistry(bool bRegister)
{
    // The page's ProgID stays with its factory; the page is registered without one.
    if (bRegister)
        return AfxOleRegisterPropertyPageClass(AfxGetInstanceHandle(), CLSID_GameOfLifePropPage, IDS_GAMEOFLIFE_PPG);
    return AfxOleUnregisterClass(CLSID_GameOfLifePropPage, nullptr);
}
