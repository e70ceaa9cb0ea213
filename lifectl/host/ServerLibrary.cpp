#include "ServerLibrary.h"

#include <dlfcn.h>

std::vector<RegisteredControl> RegisteredControls(const RegistryTree& registry)
{
    std::vector<RegisteredControl> controls;
    for (const auto& [key, values] : registry.Keys()) {
        const std::string suffix = "\\CLSID";
        if (key.rfind("CLSID\\", 0) == 0 || key.size() <= suffix.size()
            || key.compare(key.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        if (auto control = FindControl(registry, key.substr(0, key.size() - suffix.size())))
            controls.push_back(*control);
    }
    return controls;
}

std::optional<RegisteredControl> FindControl(const RegistryTree& registry, const std::string& progID)
{
    const auto id = registry.GetValue(progID + "\\CLSID");
    const auto clsid = id ? GuidFromString(*id) : std::nullopt;
    if (!clsid)
        return std::nullopt;
    const std::string key = "CLSID\\" + *id;
    const auto path = registry.GetValue(key + "\\InprocServer32");
    if (!path || !registry.HasKey(key + "\\Control"))
        return std::nullopt;
    return RegisteredControl{progID, *clsid, registry.GetValue(key).value_or(progID), *path};
}

ServerLibrary::ServerLibrary(const std::string& path)
{
    m_handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr) {
        const char* error = ::dlerror();
        m_error = error != nullptr ? error : "cannot load " + path;
        return;
    }
    m_getClassObject = reinterpret_cast<GetClassObjectFn>(::dlsym(m_handle, "DllGetClassObject"));
    m_canUnloadNow = reinterpret_cast<NoArgFn>(::dlsym(m_handle, "DllCanUnloadNow"));
    m_register = reinterpret_cast<NoArgFn>(::dlsym(m_handle, "DllRegisterServer"));
    m_unregister = reinterpret_cast<NoArgFn>(::dlsym(m_handle, "DllUnregisterServer"));
    if (!m_getClassObject || !m_canUnloadNow || !m_register || !m_unregister) {
        m_error = path + " is not an in-process control server.";
        ::dlclose(m_handle);
        m_handle = nullptr;
    }
}

ServerLibrary::~ServerLibrary()
{
    if (m_handle != nullptr)
        ::dlclose(m_handle);
}

HRESULT ServerLibrary::GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) const
{
    return Loaded() ? m_getClassObject(clsid, iid, ppv) : E_UNEXPECTED;
}

HRESULT ServerLibrary::CanUnloadNow() const
{
    return Loaded() ? m_canUnloadNow() : S_OK;
}

HRESULT ServerLibrary::RegisterServer() const
{
    return Loaded() ? m_register() : E_UNEXPECTED;
}

HRESULT ServerLibrary::UnregisterServer() const
{
    return Loaded() ? m_unregister() : E_UNEXPECTED;
}
