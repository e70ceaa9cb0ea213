// Straight pen lines and text of a device context, clipped at the raster's edges.
#include "DeviceContext.h"
#include "RasterPattern.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kWidth = 11;
constexpr int kHeight = 7;
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct LineCase {
    const char* name;
    int x0, y0, x1, y1;
};

class StraightLine : public ::testing::TestWithParam<LineCase> {};

// A model of the pen: every pixel from the start towards the end, the end itself left out.
Raster ExpectedLine(const LineCase& c)
{
    Raster expected = PatternedRaster(kWidth, kHeight);
    const int sx = (c.x1 > c.x0) - (c.x1 < c.x0), sy = (c.y1 > c.y0) - (c.y1 < c.y0);
    for (int x = c.x0, y = c.y0; x != c.x1 || y != c.y1; x += sx, y += sy)
        expected.SetPixel(x, y, kBlack);
    return expected;
}

TEST_P(StraightLine, DrawsFromTheStartUpToTheEndPointLeftOut)
{
    const LineCase& c = GetParam();
    Raster actual = PatternedRaster(kWidth, kHeight);
    CDC dc(actual);
    dc.MoveTo(c.x0, c.y0);
    dc.LineTo(c.x1, c.y1);
    EXPECT_TRUE(SamePixels(ExpectedLine(c), actual));
    // The end point is the new pen position: a line back to the start covers the start again only.
    Raster back = actual;
    dc.LineTo(c.x0, c.y0);
    back.SetPixel(c.x1, c.y1, c.x1 == c.x0 && c.y1 == c.y0 ? back.GetPixel(c.x1, c.y1) : kBlack);
    EXPECT_TRUE(SamePixels(back, actual));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StraightLine,
    ::testing::Values(LineCase{"LengthZero", 4, 3, 4, 3}, LineCase{"LengthOneRight", 2, 3, 3, 3},
                      LineCase{"LengthOneLeft", 3, 3, 2, 3}, LineCase{"LengthOneDown", 5, 1, 5, 2},
                      LineCase{"LengthOneUp", 5, 2, 5, 1}, LineCase{"AcrossTheWholeRow", 0, 2, kWidth, 2},
                      LineCase{"AcrossTheWholeColumn", 3, 0, 3, kHeight},
                      LineCase{"RightwardsBeyondBothEdges", -5, 4, kWidth + 5, 4},
                      LineCase{"LeftwardsBeyondBothEdges", kWidth + 5, 4, -5, 4},
                      LineCase{"DownwardsBeyondBothEdges", 6, -4, 6, kHeight + 4},
                      LineCase{"UpwardsBeyondBothEdges", 6, kHeight + 4, 6, -4},
                      LineCase{"UpwardsEndingOnTheTopRow", 0, kHeight - 1, 0, 0},
                      LineCase{"LeftwardsEndingOnTheLeftColumn", kWidth - 1, kHeight - 1, 0, kHeight - 1},
                      LineCase{"AlongTheRightEdgeInward", kWidth - 1, kHeight, kWidth - 1, 3},
                      LineCase{"InTheRowAboveTheRaster", 0, -1, kWidth, -1},
                      LineCase{"InTheColumnRightOfTheRaster", kWidth, 0, kWidth, kHeight},
                      LineCase{"StartingJustOutside", kWidth, 2, 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// The same text drawn well inside a large raster and cut by a small raster's edge
// must agree on every pixel the small raster holds.
TEST(DeviceContextText, GlyphsCutByTheEdgeShowTheirVisiblePart)
{
    constexpr COLORREF kGrey = RGB(159, 159, 159);
    const char text[] = "G@\x01~";
    for (int mode : {TRANSPARENT, OPAQUE})
        for (const auto& [x, y] : {std::pair{-3, -2}, std::pair{5, 3}, std::pair{-13, 1}, std::pair{2, -7}}) {
            Raster whole(60, 40, kGrey);
            CDC wholeDC(whole);
            wholeDC.SetBkMode(mode);
            ASSERT_TRUE(wholeDC.TextOutA(x + 20, y + 20, text, 4));
            Raster cut(kWidth, kHeight, kGrey);
            CDC cutDC(cut);
            cutDC.SetBkMode(mode);
            ASSERT_TRUE(cutDC.TextOutA(x, y, text, 4));
            for (int py = 0; py < kHeight; ++py)
                for (int px = 0; px < kWidth; ++px)
                    ASSERT_EQ(cut.GetPixel(px, py), whole.GetPixel(px + 20, py + 20))
                        << "mode " << mode << " text at " << x << "," << y << " pixel " << px << "," << py;
        }
}

TEST(DeviceContextText, OpaqueTextPaintsWholeCellsTransparentTextOnlyTheGlyph)
{
    constexpr COLORREF kGrey = RGB(159, 159, 159);
    constexpr COLORREF kWhite = RGB(255, 255, 255);
    for (int mode : {TRANSPARENT, OPAQUE}) {
        Raster raster(20, 12, kGrey);
        CDC dc(raster);
        dc.SetBkMode(mode);
        ASSERT_TRUE(dc.TextOutA(1, 2, "I", 1));
        int black = 0, white = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 20; ++x) {
                const COLORREF p = raster.GetPixel(x, y);
                if (x < 1 || x >= 7 || y < 2 || y >= 10) {
                    ASSERT_EQ(p, kGrey) << x << "," << y;
                    continue;
                }
                black += p == kBlack;
                white += p == kWhite;
            }
        EXPECT_GT(black, 0) << "mode " << mode;
        EXPECT_EQ(white, mode == OPAQUE ? 48 - black : 0) << "mode " << mode;
    }
}

TEST(DeviceContextText, CharactersOutsidePrintableAsciiShowAsQuestionMarks)
{
    Raster question(20, 10), other(20, 10);
    CDC questionDC(question), otherDC(other);
    ASSERT_TRUE(questionDC.TextOutA(0, 0, "??", 2));
    ASSERT_TRUE(otherDC.TextOutA(0, 0, "\x7F\xE9", 2));
    EXPECT_TRUE(SamePixels(question, other));
}

} // namespace
