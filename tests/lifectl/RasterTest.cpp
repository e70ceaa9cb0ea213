// Fills and block copies against a pixel-by-pixel model of what they must do.
#include "RasterPattern.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 13;
constexpr int kHeight = 9;

struct FillCase {
    const char* name;
    RECT rect;
};

// Each colour in turn: greys take the byte-fill path, the others the pixel pattern.
const COLORREF kColours[] = {RGB(159, 159, 159), RGB(0, 0, 0), RGB(255, 255, 0), RGB(1, 2, 3)};

class RasterFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(RasterFill, SetsExactlyThePixelsInsideTheRectAndTheRaster)
{
    const RECT& rect = GetParam().rect;
    for (COLORREF colour : kColours) {
        Raster expected = PatternedRaster(kWidth, kHeight);
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                expected.SetPixel(x, y, colour);
        Raster actual = PatternedRaster(kWidth, kHeight);
        actual.Fill(rect, colour);
        EXPECT_TRUE(SamePixels(expected, actual)) << "colour 0x" << std::hex << colour;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rects, RasterFill,
    ::testing::Values(FillCase{"Whole", {0, 0, kWidth, kHeight}}, FillCase{"WholeRowsInTheMiddle", {0, 2, kWidth, 5}},
                      FillCase{"BeyondEverySide", {-5, -4, kWidth + 7, kHeight + 3}},
                      FillCase{"OffLeftAndTop", {-3, -2, 4, 3}},
                      FillCase{"OffRightAndBottom", {10, 6, kWidth + 20, kHeight + 20}},
                      FillCase{"Inner", {3, 2, 11, 7}}, FillCase{"OneColumn", {4, 0, 5, kHeight}},
                      FillCase{"OneColumnOffTheBottom", {kWidth - 1, 5, kWidth, kHeight + 30}},
                      FillCase{"OneColumnOffTheTop", {0, -30, 1, 2}}, FillCase{"TwoColumns", {7, 1, 9, 8}},
                      FillCase{"OneRow", {2, 3, 9, 4}}, FillCase{"OneWholeRow", {-1, kHeight - 1, kWidth, kHeight + 1}},
                      FillCase{"OnePixel", {kWidth - 1, kHeight - 1, kWidth, kHeight}},
                      FillCase{"Empty", {5, 5, 5, 8}}, FillCase{"Inverted", {8, 6, 3, 2}},
                      FillCase{"RightOfTheRaster", {kWidth, 0, kWidth + 5, kHeight}},
                      FillCase{"LeftOfTheRaster", {-5, 0, 0, kHeight}},
                      FillCase{"BelowTheRaster", {0, kHeight, kWidth, kHeight + 4}}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr int kItself = 0;

struct CopyCase {
    const char* name;
    int sourceWidth;  // kItself: the target copies from itself
    int x, y, width, height, xSrc, ySrc;
};

class RasterCopy : public ::testing::TestWithParam<CopyCase> {};

TEST_P(RasterCopy, MovesTheClippedBlockAsIfThroughASpareCopy)
{
    const CopyCase& c = GetParam();
    const bool self = c.sourceWidth == kItself;
    Raster actual = PatternedRaster(kWidth, kHeight);
    Raster other = PatternedRaster(self ? 1 : c.sourceWidth, kHeight + 2, 1);
    const Raster source = self ? actual : other;
    Raster expected = actual;
    for (int row = 0; row < c.height; ++row)
        for (int col = 0; col < c.width; ++col)
            if (source.Contains(c.xSrc + col, c.ySrc + row))
                expected.SetPixel(c.x + col, c.y + row, source.GetPixel(c.xSrc + col, c.ySrc + row));
    actual.CopyFrom(self ? actual : other, c.x, c.y, c.width, c.height, c.xSrc, c.ySrc);
    EXPECT_TRUE(SamePixels(expected, actual));
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, RasterCopy,
    ::testing::Values(CopyCase{"WholeRowsOfAnEquallyWideRaster", kWidth, 0, 0, kWidth, kHeight, 0, 0},
                      CopyCase{"WholeRowsShiftedDown", kWidth, 0, 3, kWidth, kHeight, 0, 0},
                      CopyCase{"WiderSource", kWidth + 6, 0, 0, kWidth, kHeight, 2, 1},
                      CopyCase{"NarrowerSource", 4, 1, 1, kWidth, kHeight, 0, 0},
                      CopyCase{"NegativeCorners", kWidth, -2, 3, 8, 8, 1, -3},
                      CopyCase{"BeyondTheTarget", kWidth, 9, 6, 10, 10, 0, 0},
                      CopyCase{"Nothing", kWidth, 0, 0, 0, 5, 0, 0},
                      CopyCase{"NegativeSize", kWidth, 0, 0, -3, 5, 0, 0},
                      CopyCase{"ItselfWholeRowsDown", kItself, 0, 2, kWidth, kHeight, 0, 0},
                      CopyCase{"ItselfWholeRowsUp", kItself, 0, 0, kWidth, kHeight, 0, 2},
                      CopyCase{"ItselfOneRowDown", kItself, 3, 1, 6, 5, 2, 0},
                      CopyCase{"ItselfOneRowUp", kItself, 2, 0, 6, 5, 3, 1},
                      CopyCase{"ItselfOnePixelRight", kItself, 1, 0, 10, 4, 0, 0},
                      CopyCase{"ItselfOnePixelLeft", kItself, 0, 2, 10, 4, 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RasterColumnMask, SetsTheMarkedPixelsThatLieInTheRaster)
{
    const std::uint8_t columns[] = {0x01, 0x81, 0xFF, 0x00, 0x06};
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{2, 1}, {-2, -3}, {kWidth - 3, kHeight - 5}}) {
        Raster expected = PatternedRaster(kWidth, kHeight);
        for (int i = 0; i < 5; ++i)
            for (int bit = 0; bit < 8; ++bit)
                if ((columns[i] >> bit) & 1)
                    expected.SetPixel(x + i, y + bit, RGB(0, 0, 0));
        Raster actual = PatternedRaster(kWidth, kHeight);
        actual.PaintColumnMask(x, y, columns, 5, RGB(0, 0, 0));
        EXPECT_TRUE(SamePixels(expected, actual)) << "at " << x << ", " << y;
    }
}

} // namespace
