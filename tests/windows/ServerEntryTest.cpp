// The server's four entry points called the way the platform calls them:
// class objects for known and unknown classes, DllCanUnloadNow while objects
// live, registration refused by the registry part way, and a server whose type
// library is damaged. Arguments: the server, and a copy with a damaged library.
#include "WinCheck.h"

#include <ocidl.h>
#include <olectl.h>

#include <string>

namespace {
using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using PlainFn = HRESULT(STDAPICALLTYPE*)();

const CLSID kControl = {0x3F6A2C44, 0x8D1E, 0x4B7A, {0x9C, 0x52, 0x17, 0xE4, 0x0B, 0x6D, 0xA3, 0x01}};
const CLSID kPage = {0x3F6A2C45, 0x8D1E, 0x4B7A, {0x9C, 0x52, 0x17, 0xE4, 0x0B, 0x6D, 0xA3, 0x01}};
const CLSID kUnknown = {0x3F6A2C46, 0x8D1E, 0x4B7A, {0x9C, 0x52, 0x17, 0xE4, 0x0B, 0x6D, 0xA3, 0x01}};
const char* kControlKey = "CLSID\\{3F6A2C44-8D1E-4B7A-9C52-17E40B6DA301}";
const char* kPageKey = "CLSID\\{3F6A2C45-8D1E-4B7A-9C52-17E40B6DA301}";
const char* kProgIdKey = "CELLORA.GameOfLifeCtrl.1";
const char* kTypeLibKey = "TypeLib\\{3F6A2C41-8D1E-4B7A-9C52-17E40B6DA301}";

bool KeyExists(const char* key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool NoneOf(std::initializer_list<const char*> keys)
{
    for (const char* key : keys)
        if (KeyExists(key))
            return false;
    return true;
}

struct Server {
    explicit Server(const char* path) : module(LoadLibraryA(path))
    {
        getClassObject = ProcOf<GetClassObjectFn>(module, "DllGetClassObject");
        canUnloadNow = ProcOf<PlainFn>(module, "DllCanUnloadNow");
        registerServer = ProcOf<PlainFn>(module, "DllRegisterServer");
        unregisterServer = ProcOf<PlainFn>(module, "DllUnregisterServer");
    }
    ~Server()
    {
        if (module != nullptr)
            FreeLibrary(module);
    }
    bool Loaded() const { return getClassObject && canUnloadNow && registerServer && unregisterServer; }
    HMODULE module;
    GetClassObjectFn getClassObject = nullptr;
    PlainFn canUnloadNow = nullptr;
    PlainFn registerServer = nullptr;
    PlainFn unregisterServer = nullptr;
};

void ClassObjects(WinCheck& check, Server& server)
{
    void* object = reinterpret_cast<void*>(1);
    check.Code(server.getClassObject(kUnknown, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE,
               "an unknown class id gives CLASS_E_CLASSNOTAVAILABLE");
    check.That(object == nullptr, "and no object");

    IClassFactory* factory = nullptr;
    check.Code(server.getClassObject(kControl, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK,
               "the control's class object");
    if (factory == nullptr)
        return;
    IDispatch* control = nullptr;
    check.Code(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&control)), S_OK,
               "the factory makes a control");
    // Any outer object is refused before it is used, so a stand-in pointer serves.
    int outer = 0;
    void* aggregated = nullptr;
    check.Code(factory->CreateInstance(reinterpret_cast<IUnknown*>(&outer), IID_IUnknown, &aggregated),
               CLASS_E_NOAGGREGATION, "the control cannot be aggregated");
    check.Code(server.canUnloadNow(), S_FALSE, "DllCanUnloadNow is S_FALSE while a control lives");
    if (control != nullptr)
        control->Release();
    check.Code(server.canUnloadNow(), S_OK, "DllCanUnloadNow is S_OK once it is gone");
    factory->LockServer(TRUE);
    check.Code(server.canUnloadNow(), S_FALSE, "DllCanUnloadNow is S_FALSE while the server is locked");
    factory->LockServer(FALSE);
    factory->Release();

    IClassFactory* pageFactory = nullptr;
    check.Code(server.getClassObject(kPage, IID_IClassFactory, reinterpret_cast<void**>(&pageFactory)), S_OK,
               "the property page's class object");
    if (pageFactory == nullptr)
        return;
    IPropertyPage* page = nullptr;
    check.Code(pageFactory->CreateInstance(nullptr, IID_IPropertyPage, reinterpret_cast<void**>(&page)), S_OK,
               "its factory makes a property page");
    if (page != nullptr) {
        PROPPAGEINFO info = {};
        check.Code(page->GetPageInfo(&info), S_OK, "the page tells its caption and size");
        check.That(info.pszTitle != nullptr && lstrcmpW(info.pszTitle, L"General") == 0, "the caption is General");
        check.That(info.size.cx > 0 && info.size.cy > 0, "the page has a size");
        CoTaskMemFree(info.pszTitle);
        page->Release();
    }
    pageFactory->Release();
}

void RefusedWrite(WinCheck& check, Server& server)
{
    check.Code(server.unregisterServer(), S_OK, "unregistering an unregistered server succeeds");
    // A volatile class key refuses the lasting subkeys registration writes under it.
    HKEY trap = nullptr;
    RegCreateKeyExA(HKEY_CLASSES_ROOT, kControlKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &trap,
                    nullptr);
    check.That(trap != nullptr, "a volatile class key is in the way");
    if (trap != nullptr)
        RegCloseKey(trap);
    check.Code(server.registerServer(), SELFREG_E_CLASS, "a registry that refuses a write gives SELFREG_E_CLASS");
    check.That(NoneOf({kControlKey, kProgIdKey, kPageKey}), "and leaves no half-written class behind");
    check.That(KeyExists(kTypeLibKey), "the type library registered before stays registered");
    check.Code(server.unregisterServer(), S_OK, "unregistering afterwards succeeds");
    check.That(NoneOf({kControlKey, kProgIdKey, kPageKey, kTypeLibKey}), "and leaves nothing");
}

void DamagedTypeLib(WinCheck& check, const char* damagedPath)
{
    Server damaged(damagedPath);
    check.That(damaged.Loaded(), "the server with a damaged type library loads");
    if (!damaged.Loaded())
        return;
    check.Code(damaged.registerServer(), SELFREG_E_TYPELIB, "a damaged type library gives SELFREG_E_TYPELIB");
    check.That(NoneOf({kControlKey, kProgIdKey, kPageKey, kTypeLibKey}), "and registers nothing");
}
}

int main(int argc, char** argv)
{
    WinCheck check;
    if (argc != 3) {
        std::printf("usage: server-entry-test CELLORA.OCX DAMAGED.OCX\n");
        return 2;
    }
    CoInitialize(nullptr);
    {
        Server server(argv[1]);
        check.That(server.Loaded(), "the server loads and has its four entry points");
        if (server.Loaded()) {
            ClassObjects(check, server);
            RefusedWrite(check, server);
        }
    }
    DamagedTypeLib(check, argv[2]);
    CoUninitialize();
    return check.Exit();
}
