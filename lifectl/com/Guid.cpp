#include "Guid.h"

#include <cctype>
#include <cstdio>

std::string GuidToString(const GUID& g)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2,
                  g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6],
                  g.Data4[7]);
    return text;
}

namespace {
std::optional<std::uint64_t> Hex(const std::string& text, std::size_t from, std::size_t digits)
{
    std::uint64_t value = 0;
    for (std::size_t i = from; i < from + digits; ++i) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        if (!std::isxdigit(ch))
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(std::isdigit(ch) ? ch - '0' : std::toupper(ch) - 'A' + 10);
    }
    return value;
}
}

std::optional<GUID> GuidFromString(const std::string& text)
{
    if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-'
        || text[19] != '-' || text[24] != '-')
        return std::nullopt;
    const auto d1 = Hex(text, 1, 8), d2 = Hex(text, 10, 4), d3 = Hex(text, 15, 4);
    if (!d1 || !d2 || !d3)
        return std::nullopt;
    GUID guid{static_cast<std::uint32_t>(*d1), static_cast<std::uint16_t>(*d2), static_cast<std::uint16_t>(*d3), {}};
    const std::size_t starts[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        const auto byte = Hex(text, starts[i], 2);
        if (!byte)
            return std::nullopt;
        guid.Data4[i] = static_cast<std::uint8_t>(*byte);
    }
    return guid;
}
