#include "ModuleInstance.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <vector>

namespace {
// The loader's list; made on first use, so that it outlives every module listed in it.
struct LoadedModules {
    std::mutex lock;
    std::vector<HINSTANCE> modules;
};

LoadedModules& Loaded()
{
    static LoadedModules list;
    return list;
}
}

CLoadedModule::CLoadedModule(std::string fileName, const IResourceTable& resources)
    : m_instance{std::move(fileName), &resources}
{
    LoadedModules& list = Loaded();
    std::lock_guard<std::mutex> guard(list.lock);
    list.modules.push_back(&m_instance);
}

CLoadedModule::~CLoadedModule()
{
    LoadedModules& list = Loaded();
    std::lock_guard<std::mutex> guard(list.lock);
    std::erase(list.modules, &m_instance);
}

HINSTANCE FindLoadedModule(const std::string& path)
{
    LoadedModules& list = Loaded();
    std::lock_guard<std::mutex> guard(list.lock);
    for (HINSTANCE module : list.modules)
        if (!module->fileName.empty() && module->fileName == path)
            return module;
    for (HINSTANCE module : list.modules) {
        std::error_code error;
        if (!module->fileName.empty() && std::filesystem::equivalent(module->fileName, path, error))
            return module;
    }
    return nullptr;
}
