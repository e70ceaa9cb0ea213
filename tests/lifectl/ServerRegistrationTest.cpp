#include "CelloraIds.h"
#include "ModuleImage.h"
#include "ServerFixture.h"

#include <fstream>
#include <sys/wait.h>

namespace {

class ServerRegistration : public ServerFixture {};

const std::string kControlKey = "CLSID\\" + GuidToString(CLSID_GameOfLife);
const std::string kPageKey = "CLSID\\" + GuidToString(CLSID_GameOfLifePropPage);
const std::string kTypeLibKey = "TypeLib\\" + GuidToString(LIBID_CELLORALib) + "\\1.0";

TEST_F(ServerRegistration, RegistersTheControlThePageAndTheTypeLibrary)
{
    Load();
    ASSERT_EQ(registerServer(), S_OK);
    const RegistryTree reg = Registry();
    const std::string path = CELLORA_OCX_PATH;
    EXPECT_EQ(reg.GetValue("CELLORA.GameOfLifeCtrl.1\\CLSID"), GuidToString(CLSID_GameOfLife));
    EXPECT_EQ(reg.GetValue("CELLORA.GameOfLifeCtrl.1"), "GameOfLife Control");
    EXPECT_EQ(reg.GetValue(kControlKey), "GameOfLife Control");
    EXPECT_EQ(reg.GetValue(kControlKey + "\\InprocServer32"), path);
    EXPECT_EQ(reg.GetValue(kControlKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_TRUE(reg.HasKey(kControlKey + "\\Control"));
    EXPECT_TRUE(reg.HasKey(kControlKey + "\\Insertable"));
    EXPECT_EQ(reg.GetValue(kControlKey + "\\ToolboxBitmap32"), path + ", 1");
    EXPECT_EQ(reg.GetValue(kControlKey + "\\MiscStatus\\1"), std::to_string(0x20191));
    EXPECT_EQ(reg.GetValue(kControlKey + "\\ProgID"), "CELLORA.GameOfLifeCtrl.1");
    EXPECT_EQ(reg.GetValue(kControlKey + "\\TypeLib"), GuidToString(LIBID_CELLORALib));
    EXPECT_EQ(reg.GetValue(kControlKey + "\\Version"), "1.0");

    EXPECT_EQ(reg.GetValue(kPageKey), "GameOfLife Property Page");
    EXPECT_EQ(reg.GetValue(kPageKey + "\\InprocServer32"), path);
    EXPECT_FALSE(reg.HasKey(kPageKey + "\\ProgID"));
    EXPECT_FALSE(reg.HasKey("CELLORA.GameOfLifePropPage.1"));

    EXPECT_EQ(reg.GetValue(kTypeLibKey + "\\0\\win32"), path);
    EXPECT_EQ(reg.GetValue(kTypeLibKey + "\\FLAGS"), "2");
    EXPECT_EQ(reg.GetValue("Interface\\" + GuidToString(DIID__DGameOfLife)), "_DGameOfLife");
}

// Loaded by a relative path, through a symbolic link, or both: what is
// registered is the server's own file, loadable from any directory.
TEST_F(ServerRegistration, RegistersTheCanonicalPathWhateverPathItWasLoadedBy)
{
    const std::filesystem::path real = std::filesystem::canonical(CELLORA_OCX_PATH);
    std::filesystem::create_directories(dir / "links");
    std::filesystem::create_symlink(real, dir / "links" / "CELLORA.OCX");
    const std::filesystem::path before = std::filesystem::current_path();
    const struct { std::filesystem::path cwd; std::string load; } cases[] = {
        {real.parent_path(), "./CELLORA.OCX"},
        {real.parent_path().parent_path(), real.parent_path().filename().string() + "/../server/CELLORA.OCX"},
        {before, (dir / "links" / "CELLORA.OCX").string()},
        {dir, "links/CELLORA.OCX"},
    };
    for (const auto& c : cases) {
        std::filesystem::current_path(c.cwd);
        Load(c.load);
        std::filesystem::current_path("/");
        ASSERT_EQ(registerServer(), S_OK) << c.load;
        const RegistryTree reg = Registry();
        for (const std::string& key :
             {kControlKey + "\\InprocServer32", kPageKey + "\\InprocServer32", kTypeLibKey + "\\0\\win32"})
            EXPECT_EQ(reg.GetValue(key), real.string()) << c.load << " " << key;
        EXPECT_EQ(reg.GetValue(kControlKey + "\\ToolboxBitmap32"), real.string() + ", 1") << c.load;
        EXPECT_EQ(reg.GetValue(kTypeLibKey + "\\HELPDIR"), real.parent_path().string() + "/") << c.load;
        ASSERT_EQ(unregisterServer(), S_OK);
        ASSERT_EQ(::dlclose(handle), 0);
        handle = nullptr;
    }
    std::filesystem::current_path(before);
}

TEST_F(ServerRegistration, UnregisterAfterRegisterLeavesNothingBehind)
{
    Load();
    ASSERT_EQ(registerServer(), S_OK);
    ASSERT_EQ(unregisterServer(), S_OK);
    EXPECT_TRUE(Registry().Empty());
    EXPECT_EQ(unregisterServer(), S_OK);
}

TEST_F(ServerRegistration, KeepsOtherServersKeys)
{
    ASSERT_TRUE(RegistryFile(registryPath).Update([](RegistryTree& t) {
        t.SetDefault("CLSID\\{00000000-0000-0000-0000-000000000001}", "Another = control\\with [odd] text");
        return true;
    }));
    Load();
    ASSERT_EQ(registerServer(), S_OK);
    ASSERT_EQ(unregisterServer(), S_OK);
    const RegistryTree reg = Registry();
    EXPECT_EQ(reg.Keys().size(), 1u);
    EXPECT_EQ(reg.GetValue("CLSID\\{00000000-0000-0000-0000-000000000001}"), "Another = control\\with [odd] text");
}

TEST_F(ServerRegistration, ADamagedTypeLibraryRegistersNeitherClass)
{
    const std::string copy = (dir / "CELLORA.OCX").string();
    std::filesystem::copy_file(CELLORA_OCX_PATH, copy);
    const auto image = LoadModuleImage(copy);
    ASSERT_NE(image, nullptr);
    const auto typelib = image->directory.Find(RT_TYPELIB, 1);
    ASSERT_TRUE(typelib.has_value());
    {
        std::fstream file(copy, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(image->fileOffset + typelib->offset + typelib->size / 2));
        file.put('\x5A' ^ static_cast<char>(image->directory.Data(*typelib)[typelib->size / 2]));
    }
    Load(copy);
    EXPECT_EQ(static_cast<std::uint32_t>(registerServer()), 0x80040200u);
    EXPECT_TRUE(Registry().Empty());
}

TEST_F(ServerRegistration, AnUnwritableRegistryIsReportedNotIgnored)
{
    std::ofstream(dir / "blocker") << "a file where a directory should be";
    ::setenv("CELLORA_REGISTRY", (dir / "blocker" / "registry").c_str(), 1);
    Load();
    EXPECT_EQ(static_cast<std::uint32_t>(registerServer()), 0x80040200u);
    EXPECT_EQ(static_cast<std::uint32_t>(unregisterServer()), 0x80040200u);
}

TEST_F(ServerRegistration, TwoProcessesRegisteringAtOnceLeaveAReadableCompleteFile)
{
    Load();
    pid_t children[2];
    for (pid_t& child : children) {
        child = ::fork();
        if (child == 0) {
            bool ok = true;
            for (int i = 0; i < 15; ++i)
                ok = ok && registerServer() == S_OK && unregisterServer() == S_OK && registerServer() == S_OK;
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const RegistryTree reg = Registry();
    EXPECT_EQ(reg.GetValue("CELLORA.GameOfLifeCtrl.1\\CLSID"), GuidToString(CLSID_GameOfLife));
    EXPECT_EQ(reg.GetValue(kPageKey), "GameOfLife Property Page");
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        EXPECT_EQ(entry.path().string().find(".tmp."), std::string::npos) << entry.path();
}

} // namespace
