#include "CelloraIds.h"
#include "Dispatch.h"
#include "HeadlessSite.h"
#include "HeadlessWindowSystem.h"
#include "ModuleImage.h"
#include "OleInterfaces.h"
#include "ServerFixture.h"
#include "StoredDialog.h"
#include "StoredImage.h"
#include "TypeLibRegistry.h"
#include "VersionBlock.h"

#include <filesystem>
#include <string>

namespace {

class ServerObjects : public ServerFixture {};

short SpeedOf(IDispatch* control)
{
    VARIANT result;
    EXPECT_EQ(control->Invoke(1, GUID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, &result, nullptr, nullptr), S_OK);
    return result.iVal;
}

TEST_F(ServerObjects, ControlFactoryMakesAStoppedControlWithSpeed100)
{
    Load();
    EXPECT_EQ(canUnloadNow(), S_OK);
    IDispatch* control = Create<IDispatch>(CLSID_GameOfLife, IID_IDispatch);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(SpeedOf(control), 100);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    control->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(ServerObjects, PageFactoryMakesTheGeneralPage)
{
    Load();
    IPropertyPage* page = Create<IPropertyPage>(CLSID_GameOfLifePropPage, IID_IPropertyPage);
    ASSERT_NE(page, nullptr);
    PROPPAGEINFO info;
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_EQ(info.title, "General");
    page->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(ServerObjects, UnknownClassIsNotAvailable)
{
    Load();
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(DIID__DGameOfLife, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
}

TEST_F(ServerObjects, LockServerKeepsTheServerLoaded)
{
    Load();
    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject(CLSID_GameOfLife, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    factory->LockServer(1);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    factory->LockServer(0);
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(ServerObjects, ControlRunsInAContainerAndGoesCleanly)
{
    Load();
    HeadlessWindowSystem windows;
    HeadlessSite site(windows, RECT{0, 0, 320, 235});
    IOleObject* control = Create<IOleObject>(CLSID_GameOfLife, IID_IOleObject);
    ASSERT_NE(control, nullptr);
    ASSERT_EQ(control->SetClientSite(&site), S_OK);
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    ASSERT_EQ(dispatch->Invoke(2, GUID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(windows.FireTimers(), 1);
    EXPECT_EQ(windows.FireTimers(), 1);
    HWND hwnd = nullptr;
    control->GetWindow(&hwnd);
    EXPECT_EQ(windows.Surface(hwnd).GetPixel(16 * 8 + 3, 11 * 8 + 3), RGB(255, 255, 0));
    dispatch->Release();
    control->Release();
    EXPECT_EQ(windows.TimerCount(), 0u);
    EXPECT_EQ(windows.FireTimers(), 0);
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(ServerObjects, TypeLibraryComesBackThroughTheRegistry)
{
    Load();
    ITypeLib* lib = nullptr;
    EXPECT_EQ(LoadRegTypeLib(LIBID_CELLORALib, 1, 0, 0x0409, &lib), TYPE_E_LIBNOTREGISTERED);
    ASSERT_EQ(registerServer(), S_OK);
    ASSERT_EQ(LoadRegTypeLib(LIBID_CELLORALib, 1, 0, 0x0409, &lib), S_OK);
    std::string name;
    lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    EXPECT_EQ(name, "CELLORALib");
    lib->Release();

    IDispatch* control = Create<IDispatch>(CLSID_GameOfLife, IID_IDispatch);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(control->GetTypeInfo(0, 0x0409, &info), S_OK);
    const struct { const char* name; MEMBERID id; } members[] = {
        {"Speed", 1}, {"StartLife", 2}, {"StopLife", 3}, {"AboutBox", -552}};
    for (const auto& m : members) {
        MEMBERID id = 0;
        EXPECT_EQ(info->GetIDsOfNames(&m.name, 1, &id), S_OK);
        EXPECT_EQ(id, m.id) << m.name;
    }
    TYPEATTR attr;
    info->GetTypeAttr(&attr);
    EXPECT_TRUE(attr.wTypeFlags & TYPEFLAG_FHIDDEN);
    info->Release();
    control->Release();
}

TEST_F(ServerObjects, TypeInformationIsLoadedOnceForTheLifeOfTheModule)
{
    Load();
    ASSERT_EQ(registerServer(), S_OK);
    IDispatch* first = Create<IDispatch>(CLSID_GameOfLife, IID_IDispatch);
    ASSERT_NE(first, nullptr);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(first->GetTypeInfo(0, 0x0409, &info), S_OK);
    first->Release();
    // Neither the registry nor the file is asked again.
    ASSERT_EQ(unregisterServer(), S_OK);
    IDispatch* second = Create<IDispatch>(CLSID_GameOfLife, IID_IDispatch);
    ASSERT_NE(second, nullptr);
    ITypeInfo* again = nullptr;
    ASSERT_EQ(second->GetTypeInfo(0, 0x0409, &again), S_OK);
    EXPECT_EQ(again, info);
    TYPEATTR attr;
    ASSERT_EQ(again->GetTypeAttr(&attr), S_OK);
    EXPECT_EQ(attr.guid, DIID__DGameOfLife);
    again->Release();
    info->Release();
    second->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

// Names, dialogs and the type library all come from the image in memory: the
// server registers and serves them after its file has gone.
TEST_F(ServerObjects, ResourcesComeFromTheLoadedImageEvenWhenItsFileIsGone)
{
    const std::filesystem::path copy = dir / "CELLORA.OCX";
    std::filesystem::copy_file(CELLORA_OCX_PATH, copy);
    Load(copy.string());
    std::filesystem::remove(copy);
    ASSERT_EQ(registerServer(), S_OK);
    EXPECT_EQ(Registry().GetValue("CLSID\\" + GuidToString(CLSID_GameOfLife) + "\\InprocServer32"), copy.string());
    EXPECT_EQ(Registry().GetValue("CLSID\\" + GuidToString(CLSID_GameOfLife)), "GameOfLife Control");

    IOleObject* control = Create<IOleObject>(CLSID_GameOfLife, IID_IOleObject);
    ASSERT_NE(control, nullptr);
    std::string type;
    EXPECT_EQ(control->GetUserType(&type), S_OK);
    EXPECT_EQ(type, "GameOfLife Control");
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0x0409, &info), S_OK);
    info->Release();
    dispatch->Release();
    control->Release();

    IPropertyPage* page = Create<IPropertyPage>(CLSID_GameOfLifePropPage, IID_IPropertyPage);
    ASSERT_NE(page, nullptr);
    DialogTemplate dialog;
    EXPECT_EQ(page->GetDialog(&dialog), S_OK);
    EXPECT_EQ(dialog.cx, 250);
    page->Release();
}

TEST_F(ServerObjects, VersionBlockReadsBackFromTheBuiltFile)
{
    const auto image = LoadModuleImage(CELLORA_OCX_PATH);
    ASSERT_NE(image, nullptr);
    const auto entry = image->directory.Find(RT_VERSION, 1);
    ASSERT_TRUE(entry.has_value());
    const auto block = ReadVersionBlock(image->directory.Data(*entry), entry->size);
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(block->fileVersion, (std::array<std::uint16_t, 4>{1, 0, 0, 1}));
    EXPECT_EQ(block->productVersion, (std::array<std::uint16_t, 4>{1, 0, 0, 1}));
    EXPECT_EQ(block->fileType, VFT_DLL);
    EXPECT_EQ(block->fileOS, VOS__WINDOWS32);
    EXPECT_EQ(block->language, 0x0409);
    EXPECT_EQ(block->codePage, 0x04B0);
    const std::vector<std::pair<std::string, std::string>> exact = {
        {"CompanyName", ""},          {"FileDescription", "Cellora OLE Control"},
        {"FileVersion", "1, 0, 0, 1"}, {"InternalName", "CELLORA"},
        {"OriginalFilename", "CELLORA.OCX"}, {"ProductName", "Cellora OLE Contro"},
        {"ProductVersion", "1, 0, 0, 1"}};
    for (const auto& [key, value] : exact)
        EXPECT_EQ(block->Value(key), value) << key;
    EXPECT_NE(block->Value("Comments").value_or("").find("web browser"), std::string::npos);
    EXPECT_EQ(block->translations, (std::vector<std::pair<std::uint16_t, std::uint16_t>>{{0x0409, 0x04B0}}));
}

TEST_F(ServerObjects, FileCarriesBitmapIconDialogsAndStrings)
{
    const auto image = LoadModuleImage(CELLORA_OCX_PATH);
    ASSERT_NE(image, nullptr);
    const ResourceDirectory& dir = image->directory;
    const auto bitmap = dir.Find(RT_BITMAP, 1), icon = dir.Find(RT_GROUP_ICON, 1);
    ASSERT_TRUE(bitmap && icon);
    const auto bitmaps = ReadImages(dir.Data(*bitmap), bitmap->size);
    const auto icons = ReadImages(dir.Data(*icon), icon->size);
    ASSERT_TRUE(bitmaps && icons);
    EXPECT_EQ(bitmaps->at(0).Width(), 16);
    EXPECT_EQ(bitmaps->at(0).Height(), 15);
    ASSERT_EQ(icons->size(), 2u);
    EXPECT_EQ(icons->at(0).Width(), 32);
    EXPECT_EQ(icons->at(1).Width(), 16);
    EXPECT_EQ(icons->at(0).GetPixel(0, 0), RGB(0, 0, 0));
    for (int id : {1, 100}) {
        const auto dialog = dir.Find(RT_DIALOG, static_cast<std::uint32_t>(id));
        ASSERT_TRUE(dialog.has_value()) << id;
        EXPECT_TRUE(ReadDialog(dir.Data(*dialog), dialog->size).has_value()) << id;
    }
    const struct { int id; const char* text; } strings[] = {
        {1, "GameOfLife Control"}, {2, "GameOfLife Property Page"}, {100, "General"}};
    for (const auto& s : strings) {
        const auto entry = dir.Find(RT_STRING, static_cast<std::uint32_t>(s.id));
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(dir.Data(*entry)), entry->size), s.text);
    }
}

} // namespace
