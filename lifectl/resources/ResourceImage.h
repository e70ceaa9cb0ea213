#pragma once
// A module's resources as one byte image: a directory of (type, id) entries
// followed by their data. The server carries it in its ".rsrc" section.
#include <cstdint>
#include <optional>
#include <vector>

enum ResourceType : std::uint32_t {
    RT_BITMAP = 2,
    RT_DIALOG = 5,
    RT_STRING = 6,
    RT_GROUP_ICON = 14,
    RT_VERSION = 16,
    RT_TYPELIB = 1000, // the named type "TYPELIB"
};

struct ResourceEntry {
    std::uint32_t type;
    std::uint32_t id;
    std::size_t offset; // from the start of the image
    std::size_t size;
};

class ResourceImageWriter {
public:
    void Add(std::uint32_t type, std::uint32_t id, std::vector<std::uint8_t> data);
    std::vector<std::uint8_t> Bytes() const;

private:
    struct Item {
        std::uint32_t type, id;
        std::vector<std::uint8_t> data;
    };
    std::vector<Item> m_items;
};

class ResourceDirectory {
public:
    // Answers nothing when the image is damaged or truncated.
    static std::optional<ResourceDirectory> Parse(const std::uint8_t* image, std::size_t size);

    std::optional<ResourceEntry> Find(std::uint32_t type, std::uint32_t id) const;
    const std::uint8_t* Data(const ResourceEntry& entry) const { return m_image + entry.offset; }
    std::vector<std::uint8_t> Copy(const ResourceEntry& entry) const;

private:
    const std::uint8_t* m_image = nullptr;
    std::vector<ResourceEntry> m_entries;
};
