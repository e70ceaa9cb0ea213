#pragma once
// A module's resource directory as read from its file on disk.
#include "ResourceImage.h"

#include <memory>
#include <string>
#include <vector>

struct ModuleImage {
    std::vector<std::uint8_t> bytes;
    std::size_t fileOffset = 0; // where the image starts in the file
    ResourceDirectory directory;
};

// Null when the file cannot be read or carries no valid resource image.
std::unique_ptr<ModuleImage> LoadModuleImage(const std::string& modulePath);
