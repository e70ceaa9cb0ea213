#pragma once
// Type library and type information interfaces that clients query, and the
// function making a library object from its content.
#include "TypeLibData.h"
#include "Unknown.h"

#include <string>

constexpr IID IID_ITypeLib = {0x00020402, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID IID_ITypeInfo = {0x00020401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct TLIBATTR {
    GUID guid;
    LCID lcid;
    DWORD syskind;
    WORD wMajorVerNum;
    WORD wMinorVerNum;
    WORD wLibFlags;
};

struct TYPEATTR {
    GUID guid;
    TYPEKIND typekind;
    WORD wTypeFlags;
    WORD cFuncs;
    WORD cVars;
    WORD cImplTypes;
};

struct MEMBERDESC {
    MEMBERID memid;
    bool isProperty;
    int invkinds; // INVOKEKIND bits the member answers
    VARTYPE vt;
    WORD cParams;
};

class ITypeInfo : public IUnknown {
public:
    virtual HRESULT GetTypeAttr(TYPEATTR* pTypeAttr) = 0;
    virtual HRESULT GetMemberDesc(UINT index, MEMBERDESC* pDesc) = 0;
    virtual HRESULT GetIDsOfNames(const char* const* rgszNames, UINT cNames, MEMBERID* pMemId) = 0;
    // memid MEMBERID_NIL (-1) documents the type itself.
    virtual HRESULT GetDocumentation(MEMBERID memid, std::string* pName, std::string* pDocString) = 0;
    virtual HRESULT GetImplType(UINT index, GUID* pGuid, int* pImplTypeFlags) = 0;

protected:
    ~ITypeInfo() = default;
};

class ITypeLib : public IUnknown {
public:
    virtual UINT GetTypeInfoCount() = 0;
    virtual HRESULT GetTypeInfo(UINT index, ITypeInfo** ppTInfo) = 0;
    virtual HRESULT GetTypeInfoOfGuid(REFGUID guid, ITypeInfo** ppTInfo) = 0;
    virtual HRESULT GetLibAttr(TLIBATTR* pAttr) = 0;
    // index -1 documents the library itself.
    virtual HRESULT GetDocumentation(int index, std::string* pName, std::string* pDocString,
                                     DWORD* pHelpContext, std::string* pHelpFile) = 0;

protected:
    ~ITypeLib() = default;
};

constexpr MEMBERID MEMBERID_NIL = -1;

// A new library object holding the content, with one reference for the caller.
HRESULT CreateTypeLibFromData(const TypeLibData& data, ITypeLib** ppLib);
