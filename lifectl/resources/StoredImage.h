#pragma once
// 16-colour images as resources hold them: a bitmap is one image, an icon
// group several sizes of one picture. Colours outside the palette become its nearest entry.
#include "Raster.h"

#include <cstdint>
#include <optional>
#include <vector>

std::vector<std::uint8_t> StoreImages(const std::vector<Raster>& images);
std::optional<std::vector<Raster>> ReadImages(const std::uint8_t* data, std::size_t size);
// The number of colours of the palette every stored image uses.
constexpr int kStoredImageColours = 16;
