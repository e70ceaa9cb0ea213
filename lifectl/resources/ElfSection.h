#pragma once
// Reads one named section out of an ELF file on disk, as the platform reads a
// module's resources from its file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ElfSection {
    std::size_t fileOffset;
    std::vector<std::uint8_t> bytes;
};

// Answers nothing when the file cannot be read, is no 64-bit ELF file or has no such section.
std::optional<ElfSection> ReadElfSection(const std::string& path, const std::string& name);
