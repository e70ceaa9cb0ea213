#pragma once
// CELLORA.OCX loaded with dlopen, as a container loads it, against a registry
// file of the test's own in a fresh temporary directory.
#include "ClassFactory.h"
#include "RegistryFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <string>

class ServerFixture : public ::testing::Test {
protected:
    using GetClassObjectFn = HRESULT (*)(REFCLSID, REFIID, void**);
    using NoArgFn = HRESULT (*)();

    ServerFixture()
    {
        dir = std::filesystem::temp_directory_path()
            / ("cellora-" + std::to_string(::getpid()) + "-"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        registryPath = (dir / "registry").string();
        ::setenv("CELLORA_REGISTRY", registryPath.c_str(), 1);
    }
    ~ServerFixture() override
    {
        if (handle != nullptr)
            ::dlclose(handle);
        ::unsetenv("CELLORA_REGISTRY");
        std::filesystem::remove_all(dir);
    }

    void Load(const std::string& path = CELLORA_OCX_PATH)
    {
        handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << ::dlerror();
        getClassObject = reinterpret_cast<GetClassObjectFn>(::dlsym(handle, "DllGetClassObject"));
        canUnloadNow = reinterpret_cast<NoArgFn>(::dlsym(handle, "DllCanUnloadNow"));
        registerServer = reinterpret_cast<NoArgFn>(::dlsym(handle, "DllRegisterServer"));
        unregisterServer = reinterpret_cast<NoArgFn>(::dlsym(handle, "DllUnregisterServer"));
        ASSERT_TRUE(getClassObject && canUnloadNow && registerServer && unregisterServer);
    }

    RegistryTree Registry() const
    {
        const auto tree = RegistryFile(registryPath).Read();
        EXPECT_TRUE(tree.has_value());
        return tree.value_or(RegistryTree{});
    }

    template <class T> T* Create(REFCLSID clsid, REFIID iid)
    {
        IClassFactory* factory = nullptr;
        EXPECT_EQ(getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
        if (factory == nullptr)
            return nullptr;
        void* object = nullptr;
        EXPECT_EQ(factory->CreateInstance(nullptr, iid, &object), S_OK);
        factory->Release();
        return static_cast<T*>(object);
    }

    std::filesystem::path dir;
    std::string registryPath;
    void* handle = nullptr;
    GetClassObjectFn getClassObject = nullptr;
    NoArgFn canUnloadNow = nullptr;
    NoArgFn registerServer = nullptr;
    NoArgFn unregisterServer = nullptr;
};
