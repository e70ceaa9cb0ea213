#include "VersionBlock.h"

#include "ByteStream.h"

std::optional<std::string> VersionBlock::Value(const std::string& key) const
{
    for (const auto& [k, v] : strings)
        if (k == key)
            return v;
    return std::nullopt;
}

std::vector<std::uint8_t> StoreVersionBlock(const VersionBlock& b)
{
    ByteWriter w;
    w.Text("VS_VERSION_INFO");
    for (std::uint16_t v : b.fileVersion)
        w.U16(v);
    for (std::uint16_t v : b.productVersion)
        w.U16(v);
    w.U32(b.fileType);
    w.U32(b.fileOS);
    w.U16(b.language);
    w.U16(b.codePage);
    w.U32(static_cast<std::uint32_t>(b.strings.size()));
    for (const auto& [key, value] : b.strings) {
        w.Text(key);
        w.Text(value);
    }
    w.U32(static_cast<std::uint32_t>(b.translations.size()));
    for (const auto& [language, codePage] : b.translations) {
        w.U16(language);
        w.U16(codePage);
    }
    return w.Bytes();
}

std::optional<VersionBlock> ReadVersionBlock(const std::uint8_t* data, std::size_t size)
{
    ByteReader r(data, size);
    if (r.Text() != std::optional<std::string>("VS_VERSION_INFO"))
        return std::nullopt;
    VersionBlock b;
    for (auto* version : {&b.fileVersion, &b.productVersion})
        for (std::uint16_t& v : *version) {
            const auto part = r.U16();
            if (!part)
                return std::nullopt;
            v = *part;
        }
    const auto type = r.U32(), os = r.U32();
    const auto language = r.U16(), codePage = r.U16();
    const auto count = r.U32();
    if (!type || !os || !language || !codePage || !count || *count > r.Remaining())
        return std::nullopt;
    b.fileType = *type, b.fileOS = *os, b.language = *language, b.codePage = *codePage;
    for (std::uint32_t i = 0; i < *count; ++i) {
        auto key = r.Text();
        auto value = r.Text();
        if (!key || !value)
            return std::nullopt;
        b.strings.emplace_back(std::move(*key), std::move(*value));
    }
    const auto translations = r.U32();
    if (!translations || *translations > r.Remaining())
        return std::nullopt;
    for (std::uint32_t i = 0; i < *translations; ++i) {
        const auto l = r.U16(), c = r.U16();
        if (!l || !c)
            return std::nullopt;
        b.translations.emplace_back(*l, *c);
    }
    return b;
}
