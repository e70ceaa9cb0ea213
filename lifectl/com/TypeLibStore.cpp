#include "TypeLibStore.h"

#include "ByteStream.h"

#include <cstring>

namespace {
constexpr char kMagic[4] = {'S', 'L', 'T', 'G'};
constexpr std::uint32_t kFormat = 1;

void WriteGuid(ByteWriter& w, const GUID& g)
{
    w.U32(g.Data1);
    w.U16(g.Data2);
    w.U16(g.Data3);
    for (std::uint8_t b : g.Data4)
        w.U8(b);
}

std::optional<GUID> ReadGuid(ByteReader& r)
{
    GUID g{};
    const auto d1 = r.U32();
    const auto d2 = r.U16(), d3 = r.U16();
    if (!d1 || !d2 || !d3)
        return std::nullopt;
    g = GUID{*d1, *d2, *d3, {}};
    for (std::uint8_t& b : g.Data4) {
        const auto v = r.U8();
        if (!v)
            return std::nullopt;
        b = *v;
    }
    return g;
}

void WriteType(ByteWriter& w, const TypeInfoData& t)
{
    WriteGuid(w, t.guid);
    w.Text(t.name);
    w.U32(static_cast<std::uint32_t>(t.kind));
    w.U16(t.flags);
    w.Text(t.helpString);
    w.U32(static_cast<std::uint32_t>(t.members.size()));
    for (const MemberData& m : t.members) {
        w.U32(static_cast<std::uint32_t>(m.memid));
        w.Text(m.name);
        w.U8(m.isProperty ? 1 : 0);
        w.U16(m.vt);
        w.Text(m.helpString);
    }
    w.U32(static_cast<std::uint32_t>(t.implTypes.size()));
    for (const ImplTypeData& i : t.implTypes) {
        WriteGuid(w, i.guid);
        w.U32(static_cast<std::uint32_t>(i.flags));
    }
}

bool ReadMember(ByteReader& r, MemberData& m)
{
    const auto id = r.U32();
    const auto name = r.Text();
    const auto prop = r.U8();
    const auto vt = r.U16();
    const auto help = r.Text();
    if (!id || !name || !prop || !vt || !help)
        return false;
    m = MemberData{static_cast<MEMBERID>(*id), *name, *prop != 0, *vt, *help};
    return true;
}

bool ReadType(ByteReader& r, TypeInfoData& t)
{
    const auto guid = ReadGuid(r);
    const auto name = r.Text();
    const auto kind = r.U32();
    const auto flags = r.U16();
    const auto help = r.Text();
    const auto members = r.U32();
    if (!guid || !name || !kind || *kind > TKIND_COCLASS || !flags || !help || !members || *members > r.Remaining())
        return false;
    t = TypeInfoData{*guid, *name, static_cast<TYPEKIND>(*kind), *flags, *help, {}, {}};
    t.members.resize(*members);
    for (MemberData& m : t.members)
        if (!ReadMember(r, m))
            return false;
    const auto impls = r.U32();
    if (!impls || *impls > r.Remaining())
        return false;
    for (std::uint32_t i = 0; i < *impls; ++i) {
        const auto g = ReadGuid(r);
        const auto f = r.U32();
        if (!g || !f)
            return false;
        t.implTypes.push_back({*g, static_cast<int>(*f)});
    }
    return true;
}

bool ReadLibrary(ByteReader& r, TypeLibData& lib)
{
    const auto guid = ReadGuid(r);
    const auto name = r.Text();
    const auto major = r.U16(), minor = r.U16();
    const auto lcid = r.U32(), sys = r.U32();
    const auto flags = r.U16();
    const auto help = r.Text(), file = r.Text();
    const auto context = r.U32();
    const auto imports = r.U32();
    if (!guid || !name || !major || !minor || !lcid || !sys || !flags || !help || !file || !context || !imports
        || *imports > r.Remaining())
        return false;
    lib = TypeLibData{*guid, *name, *major, *minor, *lcid, *sys, *flags, *help, *file, *context, {}, {}};
    for (std::uint32_t i = 0; i < *imports; ++i) {
        const auto import = r.Text();
        if (!import)
            return false;
        lib.imports.push_back(*import);
    }
    const auto types = r.U32();
    if (!types || *types > r.Remaining())
        return false;
    lib.types.resize(*types);
    for (TypeInfoData& t : lib.types)
        if (!ReadType(r, t))
            return false;
    return r.Remaining() == 0;
}
}

std::vector<std::uint8_t> StoreTypeLib(const TypeLibData& lib)
{
    ByteWriter w;
    for (char c : kMagic)
        w.U8(static_cast<std::uint8_t>(c));
    w.U32(kFormat);
    w.U32(0); // checksum, filled in below
    WriteGuid(w, lib.guid);
    w.Text(lib.name);
    w.U16(lib.majorVersion);
    w.U16(lib.minorVersion);
    w.U32(lib.lcid);
    w.U32(lib.syskind);
    w.U16(lib.flags);
    w.Text(lib.helpString);
    w.Text(lib.helpFile);
    w.U32(lib.helpContext);
    w.U32(static_cast<std::uint32_t>(lib.imports.size()));
    for (const std::string& import : lib.imports)
        w.Text(import);
    w.U32(static_cast<std::uint32_t>(lib.types.size()));
    for (const TypeInfoData& t : lib.types)
        WriteType(w, t);
    w.PatchU32(8, Checksum(w.Bytes().data() + 12, w.Size() - 12));
    return w.Bytes();
}

std::optional<TypeLibData> ReadStoredTypeLib(const std::uint8_t* data, std::size_t size)
{
    if (data == nullptr || size < 12 || std::memcmp(data, kMagic, 4) != 0)
        return std::nullopt;
    ByteReader header(data + 4, 8);
    if (header.U32() != kFormat || header.U32() != Checksum(data + 12, size - 12))
        return std::nullopt;
    ByteReader r(data + 12, size - 12);
    TypeLibData lib;
    if (!ReadLibrary(r, lib))
        return std::nullopt;
    return lib;
}
