#pragma once
// A module's version resource: the fixed file information and one string
// table of keys and values, with its language and code page.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

constexpr std::uint32_t VFT_DLL = 2;
constexpr std::uint32_t VOS__WINDOWS32 = 4;

struct VersionBlock {
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::uint32_t fileType = VFT_DLL;
    std::uint32_t fileOS = VOS__WINDOWS32;
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    std::vector<std::pair<std::string, std::string>> strings; // in table order
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;
    bool operator==(const VersionBlock&) const = default;

    std::optional<std::string> Value(const std::string& key) const;
};

std::vector<std::uint8_t> StoreVersionBlock(const VersionBlock& block);
std::optional<VersionBlock> ReadVersionBlock(const std::uint8_t* data, std::size_t size);
