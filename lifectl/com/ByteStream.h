#pragma once
// Little-endian writing and bounds-checked reading of the stored forms
// (type library, resources); a short or damaged input reads as failure, never past the end.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ByteWriter {
public:
    void U8(std::uint8_t v) { m_bytes.push_back(v); }
    void U16(std::uint16_t v);
    void U32(std::uint32_t v);
    void Text(const std::string& text);
    void Raw(const std::vector<std::uint8_t>& bytes) { m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end()); }
    void PatchU32(std::size_t at, std::uint32_t v);
    std::size_t Size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

    std::optional<std::uint8_t> U8();
    std::optional<std::uint16_t> U16();
    std::optional<std::uint32_t> U32();
    std::optional<std::string> Text();
    bool Skip(std::size_t count);
    std::size_t Position() const { return m_pos; }
    std::size_t Remaining() const { return m_size - m_pos; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// FNV-1a over a byte range: cheap and enough to notice a damaged stored form.
std::uint32_t Checksum(const std::uint8_t* data, std::size_t size);
