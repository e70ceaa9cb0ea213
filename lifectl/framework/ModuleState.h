#pragma once
// The framework's record of one module: its instance handle, its live objects
// and locks, the resources its dialogs, strings, images and type library come
// from, and its type-library cache. Each export makes its module's record the
// current one for the calling thread while it runs.
#include "DialogTemplate.h"
#include "ModuleInstance.h"
#include "Raster.h"
#include "TypeLibCache.h"
#include "TypeLibData.h"

#include <optional>
#include <string>

constexpr int kTypeLibResource = 1;

class IResourceTable {
public:
    virtual const DialogTemplate* FindDialog(int id) const = 0;
    virtual std::string LoadString(int id) const = 0;
    virtual Raster LoadIcon(int id) const = 0;
    // Nothing when the library is missing or damaged.
    virtual std::optional<TypeLibData> LoadTypeLib(int id) const = 0;

protected:
    ~IResourceTable() = default;
};

class COleObjectFactory;

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    const IResourceTable* m_pResources = nullptr;
    COleObjectFactory* m_pFactoryFirst = nullptr; // the module's factories, newest first
    long m_nObjectCount = 0;
    long m_nLockCount = 0;
    CTypeLibCache m_typeLibCache;
};

AFX_MODULE_STATE* AfxGetModuleState();
// Answers the state that was current before.
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pState);
HINSTANCE AfxGetInstanceHandle();
// The current module's cache for its type library, or null for another library.
CTypeLibCache* AfxGetTypeLibCache(const GUID* pTypeLibID);
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
