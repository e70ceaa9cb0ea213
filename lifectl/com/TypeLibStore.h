#pragma once
// The stored form of a type library: "SLTG", a format version, a checksum of
// the rest, then the content. Reading refuses anything damaged or truncated.
#include "TypeLibData.h"

#include <cstdint>
#include <optional>
#include <vector>

std::vector<std::uint8_t> StoreTypeLib(const TypeLibData& lib);
std::optional<TypeLibData> ReadStoredTypeLib(const std::uint8_t* data, std::size_t size);
