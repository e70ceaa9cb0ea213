#include "TypeLib.h"

#include "ComObject.h"

#include <strings.h>

namespace {

class CTypeInfo final : public ComObject<ITypeInfo, IID_ITypeInfo> {
public:
    CTypeInfo(ITypeLib* owner, const TypeInfoData& data) : m_owner(owner), m_data(data) { m_owner->AddRef(); }

    HRESULT GetTypeAttr(TYPEATTR* pAttr) override
    {
        if (pAttr == nullptr)
            return E_POINTER;
        WORD funcs = 0, vars = 0;
        for (const MemberData& m : m_data.members)
            ++(m.isProperty ? vars : funcs);
        *pAttr = TYPEATTR{m_data.guid, m_data.kind, m_data.flags, funcs, vars,
                          static_cast<WORD>(m_data.implTypes.size())};
        return S_OK;
    }

    HRESULT GetMemberDesc(UINT index, MEMBERDESC* pDesc) override
    {
        if (pDesc == nullptr)
            return E_POINTER;
        if (index >= m_data.members.size())
            return TYPE_E_ELEMENTNOTFOUND;
        const MemberData& m = m_data.members[index];
        const int kinds = m.isProperty ? INVOKE_PROPERTYGET | INVOKE_PROPERTYPUT : INVOKE_FUNC;
        *pDesc = MEMBERDESC{m.memid, m.isProperty, kinds, m.vt, 0};
        return S_OK;
    }

    HRESULT GetIDsOfNames(const char* const* rgszNames, UINT cNames, MEMBERID* pMemId) override
    {
        if (rgszNames == nullptr || pMemId == nullptr || cNames == 0)
            return E_INVALIDARG;
        for (const MemberData& m : m_data.members)
            if (strcasecmp(m.name.c_str(), rgszNames[0]) == 0) {
                pMemId[0] = m.memid;
                return cNames == 1 ? S_OK : DISP_E_UNKNOWNNAME;
            }
        return DISP_E_UNKNOWNNAME;
    }

    HRESULT GetDocumentation(MEMBERID memid, std::string* pName, std::string* pDoc) override
    {
        const std::string* name = memid == MEMBERID_NIL ? &m_data.name : nullptr;
        const std::string* doc = memid == MEMBERID_NIL ? &m_data.helpString : nullptr;
        for (const MemberData& m : m_data.members)
            if (name == nullptr && m.memid == memid) {
                name = &m.name;
                doc = &m.helpString;
            }
        if (name == nullptr)
            return TYPE_E_ELEMENTNOTFOUND;
        if (pName != nullptr)
            *pName = *name;
        if (pDoc != nullptr)
            *pDoc = *doc;
        return S_OK;
    }

    HRESULT GetImplType(UINT index, GUID* pGuid, int* pFlags) override
    {
        if (index >= m_data.implTypes.size())
            return TYPE_E_ELEMENTNOTFOUND;
        if (pGuid != nullptr)
            *pGuid = m_data.implTypes[index].guid;
        if (pFlags != nullptr)
            *pFlags = m_data.implTypes[index].flags;
        return S_OK;
    }

private:
    ~CTypeInfo() override { m_owner->Release(); }
    ITypeLib* m_owner;
    const TypeInfoData& m_data;
};

class CTypeLib final : public ComObject<ITypeLib, IID_ITypeLib> {
public:
    explicit CTypeLib(const TypeLibData& data) : m_data(data) {}

    UINT GetTypeInfoCount() override { return static_cast<UINT>(m_data.types.size()); }

    HRESULT GetTypeInfo(UINT index, ITypeInfo** ppTInfo) override
    {
        if (ppTInfo == nullptr)
            return E_POINTER;
        *ppTInfo = nullptr;
        if (index >= m_data.types.size())
            return TYPE_E_ELEMENTNOTFOUND;
        *ppTInfo = new CTypeInfo(this, m_data.types[index]);
        return S_OK;
    }

    HRESULT GetTypeInfoOfGuid(REFGUID guid, ITypeInfo** ppTInfo) override
    {
        for (UINT i = 0; i < m_data.types.size(); ++i)
            if (m_data.types[i].guid == guid)
                return GetTypeInfo(i, ppTInfo);
        if (ppTInfo != nullptr)
            *ppTInfo = nullptr;
        return TYPE_E_ELEMENTNOTFOUND;
    }

    HRESULT GetLibAttr(TLIBATTR* pAttr) override
    {
        if (pAttr == nullptr)
            return E_POINTER;
        *pAttr = TLIBATTR{m_data.guid, m_data.lcid, m_data.syskind, m_data.majorVersion, m_data.minorVersion,
                          m_data.flags};
        return S_OK;
    }

    HRESULT GetDocumentation(int index, std::string* pName, std::string* pDoc, DWORD* pContext,
                             std::string* pFile) override
    {
        if (index >= static_cast<int>(m_data.types.size()) || index < -1)
            return TYPE_E_ELEMENTNOTFOUND;
        const bool lib = index == -1;
        if (pName != nullptr)
            *pName = lib ? m_data.name : m_data.types[index].name;
        if (pDoc != nullptr)
            *pDoc = lib ? m_data.helpString : m_data.types[index].helpString;
        if (pContext != nullptr)
            *pContext = lib ? m_data.helpContext : 0;
        if (pFile != nullptr)
            *pFile = m_data.helpFile;
        return S_OK;
    }

private:
    const TypeLibData m_data;
};

} // namespace

HRESULT CreateTypeLibFromData(const TypeLibData& data, ITypeLib** ppLib)
{
    if (ppLib == nullptr)
        return E_POINTER;
    try {
        *ppLib = new CTypeLib(data);
    } catch (const std::bad_alloc&) {
        *ppLib = nullptr;
        return E_OUTOFMEMORY;
    }
    return S_OK;
}
