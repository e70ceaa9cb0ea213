#pragma once
// An in-process server loaded from its file, with its four entry points; and
// finding a control's server through the registry by its ProgID.
#include "ClassFactory.h"
#include "RegistryTree.h"

#include <optional>
#include <string>
#include <vector>

struct RegisteredControl {
    std::string progID;
    CLSID clsid;
    std::string typeName;
    std::string serverPath;
};

// Every registered class marked as a control, by ProgID.
std::vector<RegisteredControl> RegisteredControls(const RegistryTree& registry);
std::optional<RegisteredControl> FindControl(const RegistryTree& registry, const std::string& progID);

class ServerLibrary {
public:
    // Leaves the library unloaded, with Error() saying why, when it fails.
    explicit ServerLibrary(const std::string& path);
    ~ServerLibrary();
    ServerLibrary(const ServerLibrary&) = delete;
    ServerLibrary& operator=(const ServerLibrary&) = delete;

    bool Loaded() const { return m_handle != nullptr; }
    const std::string& Error() const { return m_error; }
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) const;
    HRESULT CanUnloadNow() const;
    HRESULT RegisterServer() const;
    HRESULT UnregisterServer() const;

private:
    using GetClassObjectFn = HRESULT (*)(REFCLSID, REFIID, void**);
    using NoArgFn = HRESULT (*)();

    void* m_handle = nullptr;
    std::string m_error;
    GetClassObjectFn m_getClassObject = nullptr;
    NoArgFn m_canUnloadNow = nullptr;
    NoArgFn m_register = nullptr;
    NoArgFn m_unregister = nullptr;
};
