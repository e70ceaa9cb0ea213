#include "CelloraIds.h"
#include "CelloraTypeLib.h"
#include "Dispatch.h"
#include "TypeLib.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CelloraTypeLibrary : public ::testing::Test {
protected:
    CelloraTypeLibrary() { EXPECT_EQ(CreateTypeLibFromData(CelloraTypeLib(), &lib), S_OK); }
    ~CelloraTypeLibrary() override { lib->Release(); }
    ITypeInfo* Info(const GUID& guid)
    {
        ITypeInfo* info = nullptr;
        EXPECT_EQ(lib->GetTypeInfoOfGuid(guid, &info), S_OK);
        return info;
    }
    ITypeLib* lib = nullptr;
};

TEST_F(CelloraTypeLibrary, DescribesTheLibrary)
{
    TLIBATTR attr;
    ASSERT_EQ(lib->GetLibAttr(&attr), S_OK);
    EXPECT_EQ(attr.guid, LIBID_CELLORALib);
    EXPECT_EQ(attr.wMajorVerNum, 1);
    EXPECT_EQ(attr.wMinorVerNum, 0);
    EXPECT_EQ(attr.lcid, 0x0409u);
    EXPECT_EQ(attr.wLibFlags, LIBFLAG_FCONTROL);
    std::string name, doc, file = "x";
    DWORD context = 7;
    ASSERT_EQ(lib->GetDocumentation(-1, &name, &doc, &context, &file), S_OK);
    EXPECT_EQ(name, "CELLORALib");
    EXPECT_EQ(doc, "Cellora OLE Control module");
    EXPECT_EQ(context, 0u);
    EXPECT_EQ(file, "");
    EXPECT_EQ(lib->GetTypeInfoCount(), 3u);
}

TEST_F(CelloraTypeLibrary, DispatchInterfaceHasTheFourMembers)
{
    ITypeInfo* info = Info(DIID__DGameOfLife);
    ASSERT_NE(info, nullptr);
    TYPEATTR attr;
    ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
    EXPECT_EQ(attr.typekind, TKIND_DISPATCH);
    EXPECT_TRUE(attr.wTypeFlags & TYPEFLAG_FHIDDEN);
    EXPECT_EQ(attr.cVars, 1);
    EXPECT_EQ(attr.cFuncs, 3);
    const struct { const char* name; MEMBERID id; bool property; VARTYPE vt; } members[] = {
        {"Speed", 1, true, VT_I2}, {"StartLife", 2, false, VT_VOID}, {"StopLife", 3, false, VT_VOID},
        {"AboutBox", DISPID_ABOUTBOX, false, VT_VOID}};
    for (UINT i = 0; i < 4; ++i) {
        MEMBERID id = 0;
        ASSERT_EQ(info->GetIDsOfNames(&members[i].name, 1, &id), S_OK);
        EXPECT_EQ(id, members[i].id);
        MEMBERDESC desc;
        ASSERT_EQ(info->GetMemberDesc(i, &desc), S_OK);
        EXPECT_EQ(desc.memid, members[i].id);
        EXPECT_EQ(desc.isProperty, members[i].property);
        EXPECT_EQ(desc.vt, members[i].vt);
        EXPECT_EQ(desc.invkinds, members[i].property ? INVOKE_PROPERTYGET | INVOKE_PROPERTYPUT : INVOKE_FUNC);
    }
    std::string doc;
    ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, nullptr, &doc), S_OK);
    EXPECT_EQ(doc, "Dispatch interface for GameOfLife Control");
    info->Release();
}

TEST_F(CelloraTypeLibrary, ClassNamesItsDefaultAndSourceInterfaces)
{
    ITypeInfo* events = Info(DIID__DGameOfLifeEvents);
    TYPEATTR attr;
    ASSERT_EQ(events->GetTypeAttr(&attr), S_OK);
    EXPECT_EQ(attr.cFuncs + attr.cVars, 0);
    events->Release();

    ITypeInfo* coclass = Info(CLSID_GameOfLife);
    ASSERT_EQ(coclass->GetTypeAttr(&attr), S_OK);
    EXPECT_EQ(attr.typekind, TKIND_COCLASS);
    EXPECT_EQ(attr.wTypeFlags, TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL);
    GUID iface{};
    int flags = 0;
    ASSERT_EQ(coclass->GetImplType(0, &iface, &flags), S_OK);
    EXPECT_EQ(iface, DIID__DGameOfLife);
    EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT);
    ASSERT_EQ(coclass->GetImplType(1, &iface, &flags), S_OK);
    EXPECT_EQ(iface, DIID__DGameOfLifeEvents);
    EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
    std::string name, doc;
    ASSERT_EQ(coclass->GetDocumentation(MEMBERID_NIL, &name, &doc), S_OK);
    EXPECT_EQ(name, "GameOfLife");
    EXPECT_EQ(doc, "GameOfLife Control");
    coclass->Release();
}

TEST_F(CelloraTypeLibrary, UnknownEntriesAreNotFound)
{
    ITypeInfo* info = nullptr;
    EXPECT_EQ(lib->GetTypeInfo(3, &info), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(lib->GetTypeInfoOfGuid(GUID_NULL, &info), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(info, nullptr);
}

} // namespace
