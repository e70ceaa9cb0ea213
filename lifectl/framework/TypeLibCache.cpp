#include "TypeLibCache.h"

CTypeLibCache* CTypeLibCache::ForLibrary(REFGUID tlid)
{
    if (!m_bBound) {
        m_bBound = true;
        m_tlid = tlid;
    }
    return m_tlid == tlid ? this : nullptr;
}

bool CTypeLibCache::Lookup(LCID lcid, ITypeLib** pptlib)
{
    if (m_ptlib == nullptr || m_lcid != lcid)
        return false;
    m_ptlib->AddRef();
    *pptlib = m_ptlib;
    return true;
}

void CTypeLibCache::Cache(LCID lcid, ITypeLib* ptlib)
{
    if (ptlib == m_ptlib && lcid == m_lcid)
        return;
    ptlib->AddRef();
    Clear();
    m_lcid = lcid;
    m_ptlib = ptlib;
}

bool CTypeLibCache::LookupTypeInfo(LCID lcid, REFGUID guid, ITypeInfo** pptinfo)
{
    if (m_ptlib == nullptr || m_lcid != lcid)
        return false;
    for (const auto& [id, info] : m_infos)
        if (id == guid) {
            info->AddRef();
            *pptinfo = info;
            return true;
        }
    return false;
}

void CTypeLibCache::CacheTypeInfo(LCID lcid, REFGUID guid, ITypeInfo* ptinfo)
{
    // Type information is kept only beside the library it came from.
    if (m_ptlib == nullptr || m_lcid != lcid)
        return;
    ptinfo->AddRef();
    m_infos.emplace_back(guid, ptinfo);
}

void CTypeLibCache::Clear()
{
    for (auto& entry : m_infos)
        entry.second->Release();
    m_infos.clear();
    if (m_ptlib != nullptr)
        m_ptlib->Release();
    m_ptlib = nullptr;
}
