#include "LifeBoard.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using Cells = std::set<std::pair<int, int>>;

Cells LiveCells(const CLifeBoard& board)
{
    Cells cells;
    for (int r = 0; r < board.GetRows(); ++r)
        for (int c = 0; c < board.GetColumns(); ++c)
            if (board.IsAlive(c, r))
                cells.insert({c, r});
    return cells;
}

void Clear(CLifeBoard& board)
{
    for (const auto& [c, r] : LiveCells(board))
        board.ToggleCell(c, r);
}

void Plant(CLifeBoard& board, const Cells& cells)
{
    Clear(board);
    for (const auto& [c, r] : cells)
        board.ToggleCell(c, r);
}

TEST(LifeBoard, StartsWithTheTenCellLineAtGenerationZero)
{
    CLifeBoard board;
    Cells line;
    for (int c = 15; c <= 24; ++c)
        line.insert({c, 12});
    EXPECT_EQ(board.GetGeneration(), 0);
    EXPECT_EQ(LiveCells(board), line);
    EXPECT_EQ(board.GetPictureWidth(), 320);
    EXPECT_EQ(board.GetPictureHeight(), 235);
}

TEST(LifeBoard, FollowsTheKnownHistoryOfTheLine)
{
    CLifeBoard board;
    const std::vector<std::size_t> counts = {24, 18, 40};
    std::vector<Cells> history = {LiveCells(board)};
    for (int g = 1; g <= 40; ++g) {
        board.NextGeneration();
        EXPECT_EQ(board.GetGeneration(), g);
        history.push_back(LiveCells(board));
        for (const auto& [c, r] : history.back()) {
            EXPECT_TRUE(r >= 8 && r <= 16 && c >= 12 && c <= 27) << "generation " << g << " cell " << c << "," << r;
        }
    }
    for (std::size_t g = 1; g <= counts.size(); ++g)
        EXPECT_EQ(history[g].size(), counts[g - 1]) << "generation " << g;
    EXPECT_EQ(history[17], history[2]);
    for (std::size_t g = 2; g + 15 < history.size(); ++g)
        EXPECT_EQ(history[g + 15], history[g]) << "generation " << g;
    for (std::size_t period = 1; period < 15; ++period)
        EXPECT_NE(history[2 + period], history[2]) << "period " << period;
}

struct BorderCase {
    const char* name;
    Cells start;
    Cells afterOne;
};

class LifeBoardBorder : public ::testing::TestWithParam<BorderCase> {};

TEST_P(LifeBoardBorder, NeighboursOffTheBoardCountAsDead)
{
    CLifeBoard board;
    Plant(board, GetParam().start);
    board.NextGeneration();
    EXPECT_EQ(LiveCells(board), GetParam().afterOne);
    board.NextGeneration();
    EXPECT_EQ(LiveCells(board), Cells{});
}

INSTANTIATE_TEST_SUITE_P(Edges, LifeBoardBorder,
    ::testing::Values(BorderCase{"TopEdge", {{0, 0}, {1, 0}, {2, 0}}, {{1, 0}, {1, 1}}},
                      BorderCase{"RightEdge", {{39, 22}, {39, 23}, {39, 24}}, {{38, 23}, {39, 23}}}),
    [](const auto& info) { return info.param.name; });

TEST(LifeBoard, BlockInTheCornerIsStill)
{
    CLifeBoard board;
    const Cells block = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    Plant(board, block);
    for (int g = 0; g < 3; ++g) {
        board.NextGeneration();
        EXPECT_EQ(LiveCells(board), block);
    }
}

TEST(LifeBoard, EmptyBoardStaysEmptyWhileCounting)
{
    CLifeBoard board;
    Clear(board);
    board.NextGeneration();
    board.NextGeneration();
    EXPECT_EQ(LiveCells(board), Cells{});
    EXPECT_EQ(board.GetGeneration(), 2);
}

TEST(LifeBoard, ToggleFlipsTheCellAndLeavesTheCounter)
{
    CLifeBoard board;
    board.ToggleCell(3, 4);
    EXPECT_TRUE(board.IsAlive(3, 4));
    board.ToggleCell(3, 4);
    EXPECT_FALSE(board.IsAlive(3, 4));
    EXPECT_EQ(board.GetGeneration(), 0);
}

TEST(LifeBoard, ToggleBetweenGenerationsTakesPart)
{
    CLifeBoard board;
    Plant(board, {{5, 5}, {6, 5}});
    board.ToggleCell(7, 5);
    board.NextGeneration();
    EXPECT_EQ(LiveCells(board), (Cells{{6, 4}, {6, 5}, {6, 6}}));
}

TEST(LifeBoard, OffBoardPositionsAreDeadAndCannotBeToggled)
{
    CLifeBoard board;
    const Cells before = LiveCells(board);
    for (auto [c, r] : std::vector<std::pair<int, int>>{{-1, 12}, {40, 12}, {15, -1}, {15, 25}}) {
        EXPECT_FALSE(board.IsAlive(c, r));
        board.ToggleCell(c, r);
    }
    EXPECT_EQ(LiveCells(board), before);
}

TEST(LifeBoard, MapsPixelsToCells)
{
    CLifeBoard board;
    struct Case { int x, y; std::optional<CellPosition> cell; };
    const std::vector<Case> cases = {
        {7, 7, CellPosition{0, 0}},    {8, 0, CellPosition{1, 0}}, {319, 199, CellPosition{39, 24}},
        {17, 99, CellPosition{2, 12}}, {100, 200, std::nullopt},   {100, 234, std::nullopt},
        {320, 10, std::nullopt},       {-1, 5, std::nullopt},      {5, -1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(board.CellOfPixel(c.x, c.y), c.cell) << c.x << "," << c.y;
}

} // namespace
