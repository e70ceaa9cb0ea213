#pragma once
// A module's resources looked up in its resource image: dialogs, strings and icons.
#include "ModuleState.h"
#include "ResourceImage.h"

#include <map>

class ImageResourceTable final : public IResourceTable {
public:
    // An image that does not parse gives a table without resources.
    ImageResourceTable(const std::uint8_t* image, std::size_t size);

    const DialogTemplate* FindDialog(int id) const override;
    std::string LoadString(int id) const override;
    Raster LoadIcon(int id) const override;
    std::optional<TypeLibData> LoadTypeLib(int id) const override;

private:
    std::optional<ResourceDirectory> m_directory;
    mutable std::map<int, DialogTemplate> m_dialogs; // read once and kept, as loaded resources are
};
