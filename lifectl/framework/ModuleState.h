#pragma once
// The framework's record of one module: its live objects and locks, and the
// resources its dialogs and strings come from. Each export makes its module's
// record the current one for the calling thread while it runs.
#include "DialogTemplate.h"
#include "Raster.h"

#include <string>

class IResourceTable {
public:
    virtual const DialogTemplate* FindDialog(int id) const = 0;
    virtual std::string LoadString(int id) const = 0;
    virtual Raster LoadIcon(int id) const = 0;

protected:
    ~IResourceTable() = default;
};

class COleObjectFactory;

struct AFX_MODULE_STATE {
    const IResourceTable* m_pResources = nullptr;
    COleObjectFactory* m_pFactoryFirst = nullptr; // the module's factories, newest first
    long m_nObjectCount = 0;
    long m_nLockCount = 0;
};

AFX_MODULE_STATE* AfxGetModuleState();
// Answers the state that was current before.
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pState);
void AfxOleLockApp();
void AfxOleUnlockApp();
bool AfxOleCanExitApp();

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
