// GetTypeInfo of a control made by the loaded server: the first call after the
// server is loaded (registry, library from the image in memory, cache filled),
// and every call after it (answered from the module's type-library cache).
#include "ClassFactory.h"
#include "CelloraIds.h"
#include "Dispatch.h"
#include "TypeLib.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using GetClassObjectFn = HRESULT (*)(REFCLSID, REFIID, void**);
using NoArgFn = HRESULT (*)();

// The server loaded against a registry file of its own, with the server registered in it.
class LoadedServer {
public:
    LoadedServer() : m_handle(::dlopen(CELLORA_OCX_PATH, RTLD_NOW | RTLD_LOCAL))
    {
        if (m_handle == nullptr)
            return;
        m_getClassObject = reinterpret_cast<GetClassObjectFn>(::dlsym(m_handle, "DllGetClassObject"));
        m_register = reinterpret_cast<NoArgFn>(::dlsym(m_handle, "DllRegisterServer"));
    }
    ~LoadedServer()
    {
        if (m_handle != nullptr)
            ::dlclose(m_handle);
    }
    bool Register() const { return m_register != nullptr && m_register() == S_OK; }
    IDispatch* CreateControl() const
    {
        IClassFactory* factory = nullptr;
        if (m_getClassObject == nullptr
            || m_getClassObject(CLSID_GameOfLife, IID_IClassFactory, reinterpret_cast<void**>(&factory)) != S_OK)
            return nullptr;
        void* control = nullptr;
        factory->CreateInstance(nullptr, IID_IDispatch, &control);
        factory->Release();
        return static_cast<IDispatch*>(control);
    }

private:
    void* m_handle;
    GetClassObjectFn m_getClassObject = nullptr;
    NoArgFn m_register = nullptr;
};

std::string RegistryForTheRun()
{
    const auto path = std::filesystem::temp_directory_path() / ("cellora-bench-" + std::to_string(::getpid()));
    ::setenv("CELLORA_REGISTRY", path.c_str(), 1);
    return path.string();
}

void BM_GetTypeInfoFirstCall(benchmark::State& state)
{
    const std::string registry = RegistryForTheRun();
    for (auto _ : state) {
        LoadedServer server;
        IDispatch* control = server.Register() ? server.CreateControl() : nullptr;
        if (control == nullptr) {
            state.SkipWithError("the server cannot be loaded, registered or asked for a control");
            break;
        }
        ITypeInfo* info = nullptr;
        const auto start = std::chrono::steady_clock::now();
        const HRESULT hr = control->GetTypeInfo(0, 0x0409, &info);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (hr != S_OK) {
            state.SkipWithError("GetTypeInfo failed");
            control->Release();
            break;
        }
        info->Release();
        control->Release();
    }
    std::filesystem::remove(registry);
}
BENCHMARK(BM_GetTypeInfoFirstCall)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(50);

void BM_GetTypeInfoCached(benchmark::State& state)
{
    const std::string registry = RegistryForTheRun();
    LoadedServer server;
    IDispatch* control = server.Register() ? server.CreateControl() : nullptr;
    ITypeInfo* info = nullptr;
    if (control == nullptr || control->GetTypeInfo(0, 0x0409, &info) != S_OK) {
        state.SkipWithError("the server cannot give a control its type information");
    } else {
        info->Release();
        for (auto _ : state) {
            control->GetTypeInfo(0, 0x0409, &info);
            benchmark::DoNotOptimize(info);
            info->Release();
        }
    }
    if (control != nullptr)
        control->Release();
    std::filesystem::remove(registry);
}
BENCHMARK(BM_GetTypeInfoCached)->Unit(benchmark::kMicrosecond);

} // namespace
