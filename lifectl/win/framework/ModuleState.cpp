#include "ModuleState.h"

namespace {
// Only the module's own exports and window procedures switch it, each for one call.
thread_local AFX_MODULE_STATE* t_pCurrent = nullptr;
}

AFX_MODULE_STATE* AfxGetModuleState()
{
    return t_pCurrent;
}

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pState)
{
    AFX_MODULE_STATE* previous = t_pCurrent;
    t_pCurrent = pState;
    return previous;
}

HINSTANCE AfxGetInstanceHandle()
{
    return t_pCurrent != nullptr ? t_pCurrent->m_hCurrentInstanceHandle : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

void AfxOleLockApp()
{
    InterlockedIncrement(&t_pCurrent->m_nLockCount);
}

void AfxOleUnlockApp()
{
    InterlockedDecrement(&t_pCurrent->m_nLockCount);
}

bool AfxOleCanExitApp()
{
    return t_pCurrent->m_nObjectCount == 0 && t_pCurrent->m_nLockCount == 0;
}

CTypeLibCache* AfxGetTypeLibCache(const GUID* pTypeLibID)
{
    if (t_pCurrent == nullptr || pTypeLibID == nullptr)
        return nullptr;
    return t_pCurrent->m_typeLibCache.ForLibrary(*pTypeLibID);
}

void AfxReleaseTypeLibCache()
{
    if (t_pCurrent != nullptr)
        t_pCurrent->m_typeLibCache.Clear();
}
