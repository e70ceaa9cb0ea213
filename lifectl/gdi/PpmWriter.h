#pragma once
// Writes a raster as a binary PPM image, the simplest form other tools convert.
#include "Raster.h"

#include <string>

bool WritePpm(const Raster& raster, const std::string& path);
