#include "TypeLibRegistry.h"

#include "ModuleImage.h"
#include "ModuleState.h"
#include "RegistryFile.h"
#include "TypeLibStore.h"

std::string TypeLibKey(REFGUID tlid, WORD major, WORD minor)
{
    return "TypeLib\\" + GuidToString(tlid) + "\\" + std::to_string(major) + "." + std::to_string(minor);
}

std::optional<TypeLibData> ReadModuleTypeLib(const std::string& modulePath)
{
    const auto image = LoadModuleImage(modulePath);
    const auto entry = image ? image->directory.Find(RT_TYPELIB, 1) : std::nullopt;
    if (!entry)
        return std::nullopt;
    return ReadStoredTypeLib(image->directory.Data(*entry), entry->size);
}

HRESULT LoadRegTypeLib(REFGUID rguid, WORD wVerMajor, WORD wVerMinor, LCID /*lcid*/, ITypeLib** pptlib)
{
    if (pptlib == nullptr)
        return E_POINTER;
    *pptlib = nullptr;
    const auto registry = RegistryFile().Read();
    const auto path = registry ? registry->GetValue(TypeLibKey(rguid, wVerMajor, wVerMinor) + "\\0\\win32")
                               : std::nullopt;
    if (!path)
        return TYPE_E_LIBNOTREGISTERED;
    const HINSTANCE loaded = FindLoadedModule(*path);
    const auto lib = loaded != nullptr && loaded->resources != nullptr ? loaded->resources->LoadTypeLib(kTypeLibResource)
                                                                       : ReadModuleTypeLib(*path);
    if (!lib || !(lib->guid == rguid))
        return TYPE_E_CANTLOADLIBRARY;
    return CreateTypeLibFromData(*lib, pptlib);
}
