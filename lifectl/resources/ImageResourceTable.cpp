#include "ImageResourceTable.h"

#include "StoredDialog.h"
#include "StoredImage.h"
#include "TypeLibStore.h"

ImageResourceTable::ImageResourceTable(const std::uint8_t* image, std::size_t size)
    : m_directory(ResourceDirectory::Parse(image, size))
{
}

const DialogTemplate* ImageResourceTable::FindDialog(int id) const
{
    if (!m_directory)
        return nullptr;
    if (const auto cached = m_dialogs.find(id); cached != m_dialogs.end())
        return &cached->second;
    const auto entry = m_directory->Find(RT_DIALOG, static_cast<std::uint32_t>(id));
    const auto dialog = entry ? ReadDialog(m_directory->Data(*entry), entry->size) : std::nullopt;
    if (!dialog)
        return nullptr;
    return &m_dialogs.emplace(id, *dialog).first->second;
}

std::string ImageResourceTable::LoadString(int id) const
{
    const auto entry = m_directory ? m_directory->Find(RT_STRING, static_cast<std::uint32_t>(id)) : std::nullopt;
    if (!entry)
        return "";
    const auto* data = reinterpret_cast<const char*>(m_directory->Data(*entry));
    return std::string(data, entry->size);
}

Raster ImageResourceTable::LoadIcon(int id) const
{
    const auto entry = m_directory ? m_directory->Find(RT_GROUP_ICON, static_cast<std::uint32_t>(id)) : std::nullopt;
    const auto images = entry ? ReadImages(m_directory->Data(*entry), entry->size) : std::nullopt;
    if (!images || images->empty())
        return Raster();
    return images->front();
}

std::optional<TypeLibData> ImageResourceTable::LoadTypeLib(int id) const
{
    const auto entry = m_directory ? m_directory->Find(RT_TYPELIB, static_cast<std::uint32_t>(id)) : std::nullopt;
    if (!entry)
        return std::nullopt;
    return ReadStoredTypeLib(m_directory->Data(*entry), entry->size);
}
