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

HRESULT AfxGetTypeLibCache(REFGUID tlid, WORD major, WORD minor, LCID lcid, ITypeLib** ppTypeLib)
{
    if (ppTypeLib == nullptr)
        return E_POINTER;
    *ppTypeLib = nullptr;
    AFX_MODULE_STATE* state = t_pCurrent;
    if (state->m_pTypeLibCache == nullptr) {
        const HRESULT hr = LoadRegTypeLib(tlid, major, minor, lcid, &state->m_pTypeLibCache);
        if (FAILED(hr))
            return hr;
    }
    state->m_pTypeLibCache->AddRef();
    *ppTypeLib = state->m_pTypeLibCache;
    return S_OK;
}

void AfxReleaseTypeLibCache()
{
    if (t_pCurrent != nullptr && t_pCurrent->m_pTypeLibCache != nullptr) {
        t_pCurrent->m_pTypeLibCache->Release();
        t_pCurrent->m_pTypeLibCache = nullptr;
    }
}
