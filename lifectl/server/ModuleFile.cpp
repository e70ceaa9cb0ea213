#include "ModuleFile.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <memory>

std::string ModuleFileOf(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr || info.dli_fname[0] == '\0')
        return "";
    // The loader keeps the name it was given; relative to the directory the
    // process was in when the module was loaded, which is now.
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(info.dli_fname, nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}
