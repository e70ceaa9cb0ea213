#include "OleRegistration.h"

#include "Guid.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
std::string ClassKey(REFCLSID clsid)
{
    return "CLSID\\" + GuidToString(clsid);
}

std::string ModulePath(HINSTANCE instance)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

std::string TypeName(HINSTANCE instance, UINT id)
{
    char text[256] = "";
    const int length = LoadStringA(instance, id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

// Writes keys under HKEY_CLASSES_ROOT and remembers the trees it started, so
// that a write the registry refuses takes the whole class back out.
class ClassKeyWriter {
public:
    explicit ClassKeyWriter(std::vector<std::string> roots) : m_roots(std::move(roots)) {}
    ~ClassKeyWriter()
    {
        if (m_failed)
            for (const std::string& root : m_roots)
                RegDeleteTreeA(HKEY_CLASSES_ROOT, root.c_str());
    }
    ClassKeyWriter(const ClassKeyWriter&) = delete;
    ClassKeyWriter& operator=(const ClassKeyWriter&) = delete;

    void Set(const std::string& key, const char* name, const std::string& value)
    {
        if (m_failed)
            return;
        HKEY handle = nullptr;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                            nullptr, &handle, nullptr)
            != ERROR_SUCCESS) {
            m_failed = true;
            return;
        }
        m_failed = RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1))
                   != ERROR_SUCCESS;
        RegCloseKey(handle);
    }
    void SetDefault(const std::string& key, const std::string& value) { Set(key, nullptr, value); }
    bool Succeeded() const { return !m_failed; }

private:
    std::vector<std::string> m_roots;
    bool m_failed = false;
};

bool DeleteTree(const std::string& key)
{
    const LSTATUS status = RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
    // Nothing registered means nothing to remove: that is success, not failure.
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
}

bool AfxOleRegisterTypeLib(HINSTANCE hInstance, REFGUID tlid, LPCWSTR pszFileName, LPCWSTR pszHelpDir)
{
    wchar_t path[MAX_PATH];
    if (pszFileName != nullptr)
        lstrcpynW(path, pszFileName, MAX_PATH);
    else {
        const DWORD length = GetModuleFileNameW(hInstance, path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return false;
    }
    std::wstring helpDir = pszHelpDir != nullptr ? std::wstring(pszHelpDir) : std::wstring(path);
    if (pszHelpDir == nullptr)
        helpDir.erase(helpDir.find_last_of(L'\\') == std::wstring::npos ? 0 : helpDir.find_last_of(L'\\'));
    ITypeLib* lib = nullptr;
    if (FAILED(LoadTypeLibEx(path, REGKIND_NONE, &lib)))
        return false;
    TLIBATTR* attr = nullptr;
    bool ok = SUCCEEDED(lib->GetLibAttr(&attr)) && attr->guid == tlid;
    if (attr != nullptr)
        lib->ReleaseTLibAttr(attr);
    ok = ok && SUCCEEDED(RegisterTypeLib(lib, path, helpDir.empty() ? nullptr : helpDir.data()));
    lib->Release();
    return ok;
}

static std::vector<std::string> SubkeysOf(const std::string& key)
{
    std::vector<std::string> names;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return names;
    char name[256];
    for (DWORD i = 0, size = sizeof name;
         RegEnumKeyExA(handle, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, size = sizeof name)
        names.emplace_back(name, size);
    RegCloseKey(handle);
    return names;
}

bool AfxOleUnregisterTypeLib(REFGUID tlid)
{
    // Every registered version, locale and platform of the library goes,
    // through the platform's own removal.
    const std::string key = "TypeLib\\" + GuidToString(tlid);
    bool ok = true;
    for (const std::string& version : SubkeysOf(key)) {
        unsigned major = 0, minor = 0;
        if (std::sscanf(version.c_str(), "%x.%x", &major, &minor) != 2)
            continue;
        for (const std::string& locale : SubkeysOf(key + "\\" + version)) {
            unsigned lcid = 0;
            if (std::sscanf(locale.c_str(), "%x", &lcid) != 1)
                continue;
            for (const std::string& platform : SubkeysOf(key + "\\" + version + "\\" + locale)) {
                const SYSKIND kind = platform == "win64" ? SYS_WIN64 : platform == "win32" ? SYS_WIN32 : SYS_WIN16;
                ok = SUCCEEDED(UnRegisterTypeLib(tlid, static_cast<WORD>(major), static_cast<WORD>(minor), lcid, kind))
                     && ok;
            }
        }
    }
    return ok;
}

bool AfxOleRegisterControlClass(HINSTANCE hInstance, REFCLSID clsid, const char* pszProgID, UINT idTypeName,
                                UINT idBitmap, unsigned nRegFlags, DWORD dwMiscStatus, REFGUID tlid, WORD wVerMajor,
                                WORD wVerMinor)
{
    const std::string path = ModulePath(hInstance);
    if (path.empty())
        return false;
    const std::string typeName = TypeName(hInstance, idTypeName);
    const std::string key = ClassKey(clsid);
    std::vector<std::string> roots = {key};
    if (pszProgID != nullptr)
        roots.emplace_back(pszProgID);
    ClassKeyWriter w(roots);
    w.SetDefault(key, typeName);
    w.SetDefault(key + "\\InprocServer32", path);
    if (nRegFlags & afxRegApartmentThreading)
        w.Set(key + "\\InprocServer32", "ThreadingModel", "Apartment");
    w.SetDefault(key + "\\Control", "");
    if (nRegFlags & afxRegInsertable)
        w.SetDefault(key + "\\Insertable", "");
    w.SetDefault(key + "\\ToolboxBitmap32", path + ", " + std::to_string(idBitmap));
    w.SetDefault(key + "\\MiscStatus", "0");
    w.SetDefault(key + "\\MiscStatus\\1", std::to_string(dwMiscStatus));
    w.SetDefault(key + "\\TypeLib", GuidToString(tlid));
    w.SetDefault(key + "\\Version", std::to_string(wVerMajor) + "." + std::to_string(wVerMinor));
    if (pszProgID != nullptr) {
        w.SetDefault(key + "\\ProgID", pszProgID);
        w.SetDefault(pszProgID, typeName);
        w.SetDefault(std::string(pszProgID) + "\\CLSID", GuidToString(clsid));
        if (nRegFlags & afxRegInsertable)
            w.SetDefault(std::string(pszProgID) + "\\Insertable", "");
    }
    return w.Succeeded();
}

bool AfxOleRegisterPropertyPageClass(HINSTANCE hInstance, REFCLSID clsid, UINT idTypeName)
{
    const std::string path = ModulePath(hInstance);
    if (path.empty())
        return false;
    const std::string key = ClassKey(clsid);
    ClassKeyWriter w({key});
    w.SetDefault(key, TypeName(hInstance, idTypeName));
    w.SetDefault(key + "\\InprocServer32", path);
    return w.Succeeded();
}

bool AfxOleUnregisterClass(REFCLSID clsid, const char* pszProgID)
{
    const bool classGone = DeleteTree(ClassKey(clsid));
    const bool progIdGone = pszProgID == nullptr || DeleteTree(pszProgID);
    return classGone && progIdGone;
}
