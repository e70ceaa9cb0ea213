#pragma once
// The content of a type library as plain data: what a compiled description
// holds and what the stored form carries.
#include "ComTypes.h"
#include "Guid.h"

#include <string>
#include <vector>

enum TYPEKIND { TKIND_ENUM = 0, TKIND_RECORD, TKIND_MODULE, TKIND_INTERFACE, TKIND_DISPATCH, TKIND_COCLASS };
enum INVOKEKIND { INVOKE_FUNC = 1, INVOKE_PROPERTYGET = 2, INVOKE_PROPERTYPUT = 4 };

constexpr WORD LIBFLAG_FCONTROL = 0x2;
constexpr WORD TYPEFLAG_FCANCREATE = 0x2;
constexpr WORD TYPEFLAG_FHIDDEN = 0x10;
constexpr WORD TYPEFLAG_FCONTROL = 0x20;
constexpr WORD TYPEFLAG_FDISPATCHABLE = 0x1000;
constexpr int IMPLTYPEFLAG_FDEFAULT = 0x1;
constexpr int IMPLTYPEFLAG_FSOURCE = 0x2;
constexpr DWORD SYS_WIN32 = 1;

struct MemberData {
    MEMBERID memid = 0;
    std::string name;
    bool isProperty = false; // a dispatch property, read and write
    VARTYPE vt = 0;          // the property's type or the method's result
    std::string helpString;
    bool operator==(const MemberData&) const = default;
};

struct ImplTypeData {
    GUID guid{};
    int flags = 0;
    bool operator==(const ImplTypeData&) const = default;
};

struct TypeInfoData {
    GUID guid{};
    std::string name;
    TYPEKIND kind = TKIND_DISPATCH;
    WORD flags = 0;
    std::string helpString;
    std::vector<MemberData> members;
    std::vector<ImplTypeData> implTypes;
    bool operator==(const TypeInfoData&) const = default;
};

struct TypeLibData {
    GUID guid{};
    std::string name;
    WORD majorVersion = 0;
    WORD minorVersion = 0;
    LCID lcid = 0;
    DWORD syskind = SYS_WIN32;
    WORD flags = 0;
    std::string helpString;
    std::string helpFile;
    DWORD helpContext = 0;
    std::vector<std::string> imports;
    std::vector<TypeInfoData> types;
    bool operator==(const TypeLibData&) const = default;
};
