#pragma once
// A loaded module as the platform's loader knows it, the target of its
// instance handle: the canonical path of its file and its resources in memory.
// While a module is loaded, what is asked for by its file's name (a registered
// type library) comes from those resources, not from the file again.
#include <string>

class IResourceTable;

struct HINSTANCE__ {
    std::string fileName; // canonical and absolute
    const IResourceTable* resources = nullptr;
};
using HINSTANCE = const HINSTANCE__*;

// Lists a module as loaded for the lifetime of this object.
class CLoadedModule {
public:
    CLoadedModule(std::string fileName, const IResourceTable& resources);
    ~CLoadedModule();
    CLoadedModule(const CLoadedModule&) = delete;
    CLoadedModule& operator=(const CLoadedModule&) = delete;

    HINSTANCE Handle() const { return &m_instance; }

private:
    HINSTANCE__ m_instance;
};

// The loaded module whose file the path names (by name, or else as the same
// file through another path), or null.
HINSTANCE FindLoadedModule(const std::string& path);
