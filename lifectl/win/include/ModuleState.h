#pragma once
// The framework's record of one module on Windows: its instance handle (whose
// resources the dialogs and strings come from), its factories, its live objects
// and locks, and its type-library cache. Each export makes its module's record
// the current one for the calling thread while it runs.
#include "WinPlatform.h"

class COleObjectFactory;

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    COleObjectFactory* m_pFactoryFirst = nullptr; // the module's factories, newest first
    LONG m_nObjectCount = 0;
    LONG m_nLockCount = 0;
    ITypeLib* m_pTypeLibCache = nullptr; // the loaded type library, kept until the module goes
};

AFX_MODULE_STATE* AfxGetModuleState();
// Answers the state that was current before.
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pState);
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxOleLockApp();
void AfxOleUnlockApp();
bool AfxOleCanExitApp();
// The module's type library id, version and locale, loaded once through
// LoadRegTypeLib and kept in the module's cache; the caller gets its own reference.
HRESULT AfxGetTypeLibCache(REFGUID tlid, WORD major, WORD minor, LCID lcid, ITypeLib** ppTypeLib);
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
