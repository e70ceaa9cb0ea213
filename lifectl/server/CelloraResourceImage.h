#pragma once
// Everything CELLORA.OCX carries as resources, composed into its resource image
// at build time: type library 1, bitmap 1, icon group 1, dialogs 1 and 100,
// strings 1, 2 and 100 and the version block.
#include "VersionBlock.h"

#include <cstdint>
#include <vector>

VersionBlock CelloraVersionBlock();
std::vector<std::uint8_t> BuildCelloraResourceImage();
