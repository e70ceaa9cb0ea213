#pragma once
// The handful of Win32 scalar types and constants the drawing layer speaks in.
#include <cstdint>

using BOOL = int;
using DWORD = std::uint32_t;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr DWORD SRCCOPY = 0x00CC0020;
