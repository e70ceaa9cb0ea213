#include "ElfSection.h"

#include <cstring>
#include <elf.h>
#include <fstream>

namespace {
std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0 || !in.seekg(0))
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return std::nullopt;
    return bytes;
}

template <class T> bool Fetch(const std::vector<std::uint8_t>& file, std::size_t offset, T& out)
{
    if (offset > file.size() || sizeof(T) > file.size() - offset)
        return false;
    std::memcpy(&out, file.data() + offset, sizeof(T));
    return true;
}
}

std::optional<ElfSection> ReadElfSection(const std::string& path, const std::string& name)
{
    const auto file = ReadFile(path);
    Elf64_Ehdr header;
    if (!file || !Fetch(*file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0
        || header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_shentsize != sizeof(Elf64_Shdr))
        return std::nullopt;
    Elf64_Shdr names;
    if (!Fetch(*file, header.e_shoff + std::size_t{header.e_shstrndx} * sizeof(Elf64_Shdr), names))
        return std::nullopt;
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section;
        if (!Fetch(*file, header.e_shoff + i * sizeof(Elf64_Shdr), section))
            return std::nullopt;
        const std::size_t at = names.sh_offset + section.sh_name;
        if (at >= file->size() || name.size() + 1 > file->size() - at
            || std::memcmp(file->data() + at, name.c_str(), name.size() + 1) != 0)
            continue;
        if (section.sh_offset > file->size() || section.sh_size > file->size() - section.sh_offset)
            return std::nullopt;
        const auto begin = file->begin() + static_cast<std::ptrdiff_t>(section.sh_offset);
        return ElfSection{section.sh_offset,
                          std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(section.sh_size))};
    }
    return std::nullopt;
}
