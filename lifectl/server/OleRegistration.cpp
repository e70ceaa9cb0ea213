#include "OleRegistration.h"

#include "ModuleImage.h"
#include "ModuleState.h"
#include "RegistryFile.h"
#include "TypeLibRegistry.h"

namespace {
// The automation marshaller that serves every dispatch interface.
constexpr const char* kDispatchProxyStub = "{00020420-0000-0000-C000-000000000046}";

std::string ClassKey(REFCLSID clsid)
{
    return "CLSID\\" + GuidToString(clsid);
}

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

std::string TypeName(HINSTANCE hInstance, UINT id)
{
    return hInstance->resources != nullptr ? hInstance->resources->LoadString(static_cast<int>(id)) : std::string();
}

// A module's own library comes from its resources in memory.
std::optional<TypeLibData> OwnTypeLib(HINSTANCE hInstance)
{
    if (hInstance->resources == nullptr)
        return std::nullopt;
    return hInstance->resources->LoadTypeLib(kTypeLibResource);
}

void WriteInterfaces(RegistryTree& tree, const TypeLibData& lib)
{
    const std::string libid = GuidToString(lib.guid);
    const std::string version = std::to_string(lib.majorVersion) + "." + std::to_string(lib.minorVersion);
    for (const TypeInfoData& type : lib.types) {
        if (type.kind != TKIND_DISPATCH)
            continue;
        const std::string key = "Interface\\" + GuidToString(type.guid);
        tree.SetDefault(key, type.name);
        tree.SetDefault(key + "\\ProxyStubClsid32", kDispatchProxyStub);
        tree.SetDefault(key + "\\TypeLib", libid);
        tree.SetValue(key + "\\TypeLib", "Version", version);
    }
}
}

bool AfxOleRegisterTypeLib(HINSTANCE hInstance, REFGUID tlid, const char* pszFileName, const char* pszHelpDir)
{
    if (hInstance == nullptr && pszFileName == nullptr)
        return false;
    const std::string path = pszFileName != nullptr ? std::string(pszFileName) : hInstance->fileName;
    const auto lib = pszFileName != nullptr ? ReadModuleTypeLib(path) : OwnTypeLib(hInstance);
    if (path.empty() || !lib || !(lib->guid == tlid))
        return false;
    return RegistryFile().Update([&](RegistryTree& tree) {
        const std::string key = TypeLibKey(lib->guid, lib->majorVersion, lib->minorVersion);
        tree.SetDefault(key, lib->helpString.empty() ? lib->name : lib->helpString);
        tree.SetDefault(key + "\\0\\win32", path);
        tree.SetDefault(key + "\\FLAGS", std::to_string(lib->flags));
        tree.SetDefault(key + "\\HELPDIR", pszHelpDir != nullptr ? std::string(pszHelpDir) : DirectoryOf(path));
        WriteInterfaces(tree, *lib);
        return true;
    });
}

bool AfxOleUnregisterTypeLib(REFGUID tlid)
{
    const std::string libid = GuidToString(tlid);
    return RegistryFile().Update([&](RegistryTree& tree) {
        std::vector<std::string> interfaces;
        for (const auto& [key, values] : tree.Keys()) {
            const auto found = values.find("@");
            const std::string suffix = "\\TypeLib";
            if (key.rfind("Interface\\", 0) == 0 && key.size() > suffix.size()
                && key.compare(key.size() - suffix.size(), suffix.size(), suffix) == 0 && found != values.end()
                && found->second == libid)
                interfaces.push_back(key.substr(0, key.size() - suffix.size()));
        }
        for (const std::string& key : interfaces)
            tree.DeleteTree(key);
        // Nothing registered means nothing to remove: that is success, not failure.
        tree.DeleteTree("TypeLib\\" + libid);
        return true;
    });
}

bool AfxOleRegisterControlClass(HINSTANCE hInstance, REFCLSID clsid, const char* pszProgID, UINT idTypeName,
                                UINT idBitmap, unsigned nRegFlags, DWORD dwMiscStatus, REFGUID tlid, WORD wVerMajor,
                                WORD wVerMinor)
{
    if (hInstance == nullptr || hInstance->fileName.empty())
        return false;
    const std::string typeName = TypeName(hInstance, idTypeName);
    const std::string& file = hInstance->fileName;
    const std::string id = GuidToString(clsid);
    return RegistryFile().Update([&](RegistryTree& tree) {
        const std::string key = ClassKey(clsid);
        tree.SetDefault(key, typeName);
        tree.SetDefault(key + "\\InprocServer32", file);
        if (nRegFlags & afxRegApartmentThreading)
            tree.SetValue(key + "\\InprocServer32", "ThreadingModel", "Apartment");
        tree.SetDefault(key + "\\Control", "");
        if (nRegFlags & afxRegInsertable) {
            tree.SetDefault(key + "\\Insertable", "");
            if (pszProgID != nullptr)
                tree.SetDefault(std::string(pszProgID) + "\\Insertable", "");
        }
        tree.SetDefault(key + "\\ToolboxBitmap32", file + ", " + std::to_string(idBitmap));
        tree.SetDefault(key + "\\MiscStatus", "0");
        tree.SetDefault(key + "\\MiscStatus\\1", std::to_string(dwMiscStatus));
        tree.SetDefault(key + "\\TypeLib", GuidToString(tlid));
        tree.SetDefault(key + "\\Version", std::to_string(wVerMajor) + "." + std::to_string(wVerMinor));
        if (pszProgID != nullptr) {
            tree.SetDefault(key + "\\ProgID", pszProgID);
            tree.SetDefault(pszProgID, typeName);
            tree.SetDefault(std::string(pszProgID) + "\\CLSID", id);
        }
        return true;
    });
}

bool AfxOleRegisterPropertyPageClass(HINSTANCE hInstance, REFCLSID clsid, UINT idTypeName)
{
    if (hInstance == nullptr || hInstance->fileName.empty())
        return false;
    const std::string typeName = TypeName(hInstance, idTypeName);
    return RegistryFile().Update([&](RegistryTree& tree) {
        const std::string key = ClassKey(clsid);
        tree.SetDefault(key, typeName);
        tree.SetDefault(key + "\\InprocServer32", hInstance->fileName);
        return true;
    });
}

bool AfxOleUnregisterClass(REFCLSID clsid, const char* pszProgID)
{
    return RegistryFile().Update([&](RegistryTree& tree) {
        tree.DeleteTree(ClassKey(clsid));
        if (pszProgID != nullptr)
            tree.DeleteTree(pszProgID);
        return true;
    });
}
