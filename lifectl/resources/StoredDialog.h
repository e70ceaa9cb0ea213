#pragma once
// Dialog templates in their stored resource form.
#include "DialogTemplate.h"

#include <cstdint>
#include <optional>
#include <vector>

std::vector<std::uint8_t> StoreDialog(const DialogTemplate& dialog);
std::optional<DialogTemplate> ReadDialog(const std::uint8_t* data, std::size_t size);
