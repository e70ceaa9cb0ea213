#pragma once
// The file a loaded module's code came from, as the canonical absolute path:
// symbolic links resolved, whatever path the loader was given.
#include <string>

// Empty when the address lies in no loaded module or its file cannot be resolved.
std::string ModuleFileOf(const void* address);
