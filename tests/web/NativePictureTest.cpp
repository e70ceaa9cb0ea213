#include "NativePicture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kGrey = RGB(159, 159, 159);

bool SamePixels(const Raster& a, const Raster& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::memcmp(a.Bytes(), b.Bytes(), static_cast<std::size_t>(a.Width()) * a.Height() * 3) == 0;
}

using Steps = std::vector<PictureStep>;
constexpr PictureStep Press(int x, int y) { return {PictureStep::Press, x, y}; }
constexpr PictureStep Next(int n) { return {PictureStep::Generations, n, 0}; }

TEST(NativePicture, BoardAndControlDrawTheSamePicture)
{
    const std::vector<Steps> cases = {
        {}, {Next(37)}, {Press(17, 99)}, {Press(17, 99), Next(37)}, {Next(5), Press(130, 90), Next(1)},
        {Press(100, 210), Press(330, 10)},
    };
    for (const Steps& steps : cases) {
        const Raster board = DrawnByBoard(steps);
        EXPECT_EQ(board.Width(), 320);
        EXPECT_EQ(board.Height(), 235);
        EXPECT_TRUE(SamePixels(board, DrawnByControl(steps))) << "case with " << steps.size() << " steps";
    }
}

TEST(NativePicture, StepsChangeThePicture)
{
    const Raster start = DrawnByBoard({});
    EXPECT_FALSE(SamePixels(start, DrawnByBoard({Next(37)})));
    EXPECT_EQ(start.GetPixel(2 * 8 + 3, 12 * 8 + 3), kGrey);
    EXPECT_EQ(DrawnByBoard({Press(17, 99)}).GetPixel(2 * 8 + 3, 12 * 8 + 3), kYellow);
    EXPECT_EQ(DrawnByControl({Press(17, 99)}).GetPixel(2 * 8 + 3, 12 * 8 + 3), kYellow);
    EXPECT_TRUE(SamePixels(start, DrawnByBoard({Press(17, 99), Press(17, 99)})));
    // Generation 2 and 17 show the same cells but not the same counter.
    EXPECT_FALSE(SamePixels(DrawnByBoard({Next(2)}), DrawnByBoard({Next(17)})));
}

TEST(NativePicture, ReadsStepsInOrder)
{
    struct Case {
        std::vector<std::string> args;
        std::optional<Steps> steps;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {{}, Steps{}, ""},
        {{"--press", "17,99", "--generations", "37"}, Steps{Press(17, 99), Next(37)}, ""},
        {{"--generations", "0", "--press", "-3,400"}, Steps{Next(0), Press(-3, 400)}, ""},
        {{"--press", "17"}, std::nullopt, "--press needs X,Y"},
        {{"--press", "17,99,1"}, std::nullopt, "--press needs X,Y"},
        {{"--press"}, std::nullopt, "--press needs X,Y"},
        {{"--generations", "-1"}, std::nullopt, "--generations needs a count of at least 0"},
        {{"--generations", "3x"}, std::nullopt, "--generations needs a count of at least 0"},
        {{"--speed", "3"}, std::nullopt, "unknown option --speed"},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_EQ(ParsePictureSteps(c.args, problem), c.steps) << c.problem;
        EXPECT_EQ(problem, c.problem);
    }
}

} // namespace
