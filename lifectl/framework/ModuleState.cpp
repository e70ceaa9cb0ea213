#include "ModuleState.h"

namespace {
// The platform keeps one current module state per thread.
AFX_MODULE_STATE g_defaultState;
thread_local AFX_MODULE_STATE* t_pCurrent = nullptr;
}

AFX_MODULE_STATE* AfxGetModuleState()
{
    return t_pCurrent != nullptr ? t_pCurrent : &g_defaultState;
}

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pState)
{
    AFX_MODULE_STATE* previous = t_pCurrent;
    t_pCurrent = pState;
    return previous;
}

HINSTANCE AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

CTypeLibCache* AfxGetTypeLibCache(const GUID* pTypeLibID)
{
    return pTypeLibID != nullptr ? AfxGetModuleState()->m_typeLibCache.ForLibrary(*pTypeLibID) : nullptr;
}

void AfxOleLockApp()
{
    ++AfxGetModuleState()->m_nObjectCount;
}

void AfxOleUnlockApp()
{
    --AfxGetModuleState()->m_nObjectCount;
}

bool AfxOleCanExitApp()
{
    const AFX_MODULE_STATE* state = AfxGetModuleState();
    return state->m_nObjectCount == 0 && state->m_nLockCount == 0;
}
