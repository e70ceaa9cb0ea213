#include "ByteStream.h"

void ByteWriter::U16(std::uint16_t v)
{
    U8(static_cast<std::uint8_t>(v & 0xFF));
    U8(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::U32(std::uint32_t v)
{
    U16(static_cast<std::uint16_t>(v & 0xFFFF));
    U16(static_cast<std::uint16_t>(v >> 16));
}

void ByteWriter::Text(const std::string& text)
{
    U32(static_cast<std::uint32_t>(text.size()));
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

void ByteWriter::PatchU32(std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        m_bytes.at(at + i) = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

std::optional<std::uint8_t> ByteReader::U8()
{
    if (m_pos >= m_size)
        return std::nullopt;
    return m_data[m_pos++];
}

std::optional<std::uint16_t> ByteReader::U16()
{
    const auto lo = U8(), hi = U8();
    if (!lo || !hi)
        return std::nullopt;
    return static_cast<std::uint16_t>(*lo | (*hi << 8));
}

std::optional<std::uint32_t> ByteReader::U32()
{
    const auto lo = U16(), hi = U16();
    if (!lo || !hi)
        return std::nullopt;
    return static_cast<std::uint32_t>(*lo) | (static_cast<std::uint32_t>(*hi) << 16);
}

std::optional<std::string> ByteReader::Text()
{
    const auto length = U32();
    if (!length || *length > Remaining())
        return std::nullopt;
    std::string text(reinterpret_cast<const char*>(m_data + m_pos), *length);
    m_pos += *length;
    return text;
}

bool ByteReader::Skip(std::size_t count)
{
    if (count > Remaining())
        return false;
    m_pos += count;
    return true;
}

std::uint32_t Checksum(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash;
}
