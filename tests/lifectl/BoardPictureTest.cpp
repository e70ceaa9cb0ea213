#include "DeviceContext.h"
#include "LifeBoard.h"
#include "PpmWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr COLORREF kGrey = RGB(159, 159, 159);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class BoardPicture : public ::testing::Test {
protected:
    Raster Render()
    {
        Raster surface(330, 240, kWhite);
        CDC dc(surface);
        board.Draw(dc);
        return surface;
    }
    CLifeBoard board;
};

TEST_F(BoardPicture, LiveCellShowsYellowInteriorWithLinesOnTopAndLeft)
{
    const Raster picture = Render();
    for (int c = 15; c <= 24; ++c) {
        for (int i = 1; i <= 7; ++i)
            for (int j = 1; j <= 7; ++j)
                ASSERT_EQ(picture.GetPixel(c * 8 + i, 12 * 8 + j), kYellow) << c << " " << i << " " << j;
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(picture.GetPixel(c * 8 + i, 96), kBlack);
            EXPECT_EQ(picture.GetPixel(c * 8, 96 + i), kBlack);
        }
    }
    EXPECT_EQ(picture.GetPixel(100 + 1, 40 + 1), kGrey);
}

TEST_F(BoardPicture, LeavesTheRightAndBottomEdgesOpen)
{
    board.ToggleCell(39, 12);
    const Raster picture = Render();
    EXPECT_EQ(picture.GetPixel(319, 100), kYellow);
    EXPECT_EQ(picture.GetPixel(319, 99), kYellow);
    EXPECT_EQ(picture.GetPixel(319, 96), kBlack);
    for (int y = 0; y < 200; ++y)
        ASSERT_EQ(picture.GetPixel(320, y), kWhite) << y;
    for (int x = 0; x < 320; ++x) {
        ASSERT_EQ(picture.GetPixel(x, 200), kGrey) << x;
    }
    EXPECT_EQ(picture.GetPixel(100, 205), kGrey);
    EXPECT_EQ(picture.GetPixel(0, 234), kGrey);
    EXPECT_EQ(picture.GetPixel(319, 234), kGrey);
    EXPECT_EQ(picture.GetPixel(0, 235), kWhite);
}

TEST_F(BoardPicture, WritesTheGenerationInBlackAt200By205)
{
    const Raster picture = Render();
    // Black text only in the strip, starting at the text origin; the strip stays grey elsewhere.
    int left = 1000, top = 1000, right = -1;
    for (int y = 200; y < 235; ++y)
        for (int x = 0; x < 320; ++x) {
            const COLORREF p = picture.GetPixel(x, y);
            ASSERT_TRUE(p == kGrey || p == kBlack) << x << "," << y;
            if (p == kBlack) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
            }
        }
    EXPECT_EQ(left, 200);
    EXPECT_EQ(top, 205);
    // "Generation: 0" is thirteen characters of six pixels, the last column blank.
    EXPECT_EQ(right, 200 + 13 * 6 - 2);
    // The "G" opens on its left column below the top row.
    EXPECT_EQ(picture.GetPixel(200, 205), kGrey);
    EXPECT_EQ(picture.GetPixel(200, 206), kBlack);
}

TEST_F(BoardPicture, TextFollowsTheCounter)
{
    const Raster before = Render();
    board.NextGeneration();
    const Raster after = Render();
    bool digitDiffers = false;
    for (int y = 205; y < 213; ++y)
        for (int x = 200; x < 200 + 12 * 6; ++x)
            ASSERT_EQ(before.GetPixel(x, y), after.GetPixel(x, y)) << x << "," << y;
    for (int y = 205; y < 213; ++y)
        for (int x = 200 + 12 * 6; x < 200 + 13 * 6; ++x)
            digitDiffers = digitDiffers || before.GetPixel(x, y) != after.GetPixel(x, y);
    EXPECT_TRUE(digitDiffers);
}

TEST_F(BoardPicture, IsWrittenOutForLooking)
{
    const Raster picture = Render();
    const char* dir = std::getenv("CELLORA_PICTURE_DIR");
    const std::string path = std::string(dir != nullptr ? dir : ::testing::TempDir()) + "/board.ppm";
    ASSERT_TRUE(WritePpm(picture, path));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char magic[3] = {};
    EXPECT_EQ(std::fread(magic, 1, 2, file), 2u);
    std::fclose(file);
    EXPECT_STREQ(magic, "P6");
}

} // namespace
