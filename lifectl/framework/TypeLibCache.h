#pragma once
// The framework's type-library cache of a module: the library a control loads
// for its type information, kept with the type information found in it until
// the module is unloaded, so that only the first request loads anything.
#include "TypeLib.h"

#include <utility>
#include <vector>

class CTypeLibCache {
public:
    CTypeLibCache() = default;
    ~CTypeLibCache() { Clear(); }
    CTypeLibCache(const CTypeLibCache&) = delete;
    CTypeLibCache& operator=(const CTypeLibCache&) = delete;

    // The cache of one library: the first id asked for binds it; null for any other id.
    CTypeLibCache* ForLibrary(REFGUID tlid);

    // The library cached for the locale, with a reference for the caller; false when there is none.
    bool Lookup(LCID lcid, ITypeLib** pptlib);
    // Keeps the library with a reference of its own, in place of one cached for another locale.
    void Cache(LCID lcid, ITypeLib* ptlib);
    bool LookupTypeInfo(LCID lcid, REFGUID guid, ITypeInfo** pptinfo);
    void CacheTypeInfo(LCID lcid, REFGUID guid, ITypeInfo* ptinfo);
    // Releases everything cached, as the module does when it goes.
    void Clear();

private:
    bool m_bBound = false;
    GUID m_tlid{};
    LCID m_lcid = 0;
    ITypeLib* m_ptlib = nullptr;
    std::vector<std::pair<GUID, ITypeInfo*>> m_infos;
};

// The type information of a guid for a control: from the cache when it holds
// it, otherwise from the library, cached or loaded by load (a call answering
// HRESULT with an ITypeLib** to fill), which the cache then keeps with the
// information. Without a cache the library is loaded every time.
template <class Load>
HRESULT AfxLoadTypeInfo(CTypeLibCache* cache, LCID lcid, REFGUID guid, Load&& load, ITypeInfo** ppTInfo)
{
    if (cache != nullptr && cache->LookupTypeInfo(lcid, guid, ppTInfo))
        return S_OK;
    ITypeLib* lib = nullptr;
    if (cache == nullptr || !cache->Lookup(lcid, &lib)) {
        const HRESULT hr = load(&lib);
        if (FAILED(hr))
            return hr;
        if (cache != nullptr)
            cache->Cache(lcid, lib);
    }
    const HRESULT found = lib->GetTypeInfoOfGuid(guid, ppTInfo);
    lib->Release();
    if (SUCCEEDED(found) && cache != nullptr)
        cache->CacheTypeInfo(lcid, guid, *ppTInfo);
    return found;
}
