#pragma once
// Finding a registered type library: the registry names the file, whose
// TYPELIB resource 1 holds the library in its stored form. A file that is a
// loaded module's is not read again: the library comes from its resources in memory.
#include "TypeLib.h"

#include <optional>
#include <string>

HRESULT LoadRegTypeLib(REFGUID rguid, WORD wVerMajor, WORD wVerMinor, LCID lcid, ITypeLib** pptlib);
// The stored library of a module's file, or nothing when it is missing or damaged.
std::optional<TypeLibData> ReadModuleTypeLib(const std::string& modulePath);
std::string TypeLibKey(REFGUID tlid, WORD major, WORD minor);
