#pragma once
// Rasters for drawing tests: every pixel its own colour, so a stray or missing
// write shows, and a pixel-by-pixel comparison that names the first difference.
#include "Raster.h"

#include <gtest/gtest.h>

#include <string>

// Different seeds give different pictures.
inline Raster PatternedRaster(int width, int height, int seed = 0)
{
    Raster raster(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.SetPixel(x, y, RGB(x * 17 + seed * 101 + 1, y * 29 + seed * 7 + 2, x * 5 + y * 3 + 3));
    return raster;
}

inline ::testing::AssertionResult SamePixels(const Raster& expected, const Raster& actual)
{
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
        return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (expected.GetPixel(x, y) != actual.GetPixel(x, y))
                return ::testing::AssertionFailure() << "first difference at (" << x << ", " << y << "): expected 0x"
                                                     << std::hex << expected.GetPixel(x, y) << ", got 0x"
                                                     << actual.GetPixel(x, y);
    return ::testing::AssertionSuccess();
}
