#pragma once
// The colour, rectangle and background-mode types the drawing surface speaks in,
// for builds on our own drawing layer. A Windows build takes the platform's own
// definitions instead (lifectl/win/include/SurfaceTypes.h).
#include <cstdint>

using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

struct RECT {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
