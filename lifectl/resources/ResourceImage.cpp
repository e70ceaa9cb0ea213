#include "ResourceImage.h"

#include "ByteStream.h"

#include <cstring>

namespace {
constexpr char kMagic[8] = {'C', 'E', 'L', 'L', 'R', 'S', 'R', 'C'};
constexpr std::size_t kEntrySize = 16;
}

void ResourceImageWriter::Add(std::uint32_t type, std::uint32_t id, std::vector<std::uint8_t> data)
{
    m_items.push_back({type, id, std::move(data)});
}

std::vector<std::uint8_t> ResourceImageWriter::Bytes() const
{
    ByteWriter w;
    for (char c : kMagic)
        w.U8(static_cast<std::uint8_t>(c));
    w.U32(static_cast<std::uint32_t>(m_items.size()));
    std::size_t offset = w.Size() + m_items.size() * kEntrySize;
    for (const Item& item : m_items) {
        w.U32(item.type);
        w.U32(item.id);
        w.U32(static_cast<std::uint32_t>(offset));
        w.U32(static_cast<std::uint32_t>(item.data.size()));
        offset += item.data.size();
    }
    for (const Item& item : m_items)
        w.Raw(item.data);
    return w.Bytes();
}

std::optional<ResourceDirectory> ResourceDirectory::Parse(const std::uint8_t* image, std::size_t size)
{
    if (image == nullptr || size < 12 || std::memcmp(image, kMagic, 8) != 0)
        return std::nullopt;
    ByteReader r(image + 8, size - 8);
    const auto count = r.U32();
    if (!count || *count > r.Remaining() / kEntrySize)
        return std::nullopt;
    ResourceDirectory dir;
    dir.m_image = image;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto type = r.U32(), id = r.U32(), offset = r.U32(), length = r.U32();
        if (!type || !id || !offset || !length || *offset > size || *length > size - *offset)
            return std::nullopt;
        dir.m_entries.push_back({*type, *id, *offset, *length});
    }
    return dir;
}

std::optional<ResourceEntry> ResourceDirectory::Find(std::uint32_t type, std::uint32_t id) const
{
    for (const ResourceEntry& entry : m_entries)
        if (entry.type == type && entry.id == id)
            return entry;
    return std::nullopt;
}

std::vector<std::uint8_t> ResourceDirectory::Copy(const ResourceEntry& entry) const
{
    return std::vector<std::uint8_t>(Data(entry), Data(entry) + entry.size);
}
