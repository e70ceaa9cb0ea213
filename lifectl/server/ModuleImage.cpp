#include "ModuleImage.h"

#include "ElfSection.h"

std::unique_ptr<ModuleImage> LoadModuleImage(const std::string& modulePath)
{
    auto section = ReadElfSection(modulePath, ".rsrc");
    if (!section)
        return nullptr;
    auto image = std::make_unique<ModuleImage>();
    image->bytes = std::move(section->bytes);
    image->fileOffset = section->fileOffset;
    auto directory = ResourceDirectory::Parse(image->bytes.data(), image->bytes.size());
    if (!directory)
        return nullptr;
    image->directory = *directory;
    return image;
}
