#pragma once
// The framework's record of one module on Windows: its instance handle (whose
// resources the dialogs and strings come from), its factories, its live objects
// and locks, and its type-library cache. Each export makes its module's record
// the current one for the calling thread while it runs.
#include "WinPlatform.h"
// The cache is platform-free and shared with the Linux framework.
#include "../../framework/TypeLibCache.h"

class COleObjectFactory;

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    COleObjectFactory* m_pFactoryFirst = nullptr; // the module's factories, newest first
    LONG m_nObjectCount = 0;
    LONG m_nLockCount = 0;
    CTypeLibCache m_typeLibCache; // the loaded type library, kept until the module goes
};

AFX_MODULE_STATE* AfxGetModuleState();
// Answers the state that was current before.
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pState);
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxOleLockApp();
void AfxOleUnlockApp();
bool AfxOleCanExitApp();
// The current module's cache for its type library, or null for another library.
CTypeLibCache* AfxGetTypeLibCache(const GUID* pTypeLibID);
void AfxReleaseTypeLibCache();

// Makes a module state current for a scope and restores the previous one on
// every way out of it, exceptions included.
class AfxModuleStateScope {
public:
    explicit AfxModuleStateScope(AFX_MODULE_STATE* pState) : m_pPrevious(AfxSetModuleState(pState)) {}
    ~AfxModuleStateScope() { AfxSetModuleState(m_pPrevious); }
    AfxModuleStateScope(const AfxModuleStateScope&) = delete;
    AfxModuleStateScope& operator=(const AfxModuleStateScope&) = delete;

private:
    AFX_MODULE_STATE* m_pPrevious;
};
