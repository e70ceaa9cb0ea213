#include "LifeBoard.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
constexpr COLORREF kGrey = RGB(159, 159, 159);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr int kTextX = 200;
constexpr int kTextGap = 5;
constexpr int kLineRow = 12;
constexpr int kLineFirstColumn = 15;
constexpr int kLineLength = 10;
}

CLifeBoard::CLifeBoard()
    : m_nGeneration(0), m_nCellSize(8), m_nColumns(kColumns), m_nRows(25), m_nStripHeight(35)
{
    // unique_ptr releases the current grid if making the next one throws.
    m_pCurrent = std::make_unique<CLifeGrid>(m_nColumns, m_nRows);
    m_pNext = std::make_unique<CLifeGrid>(m_nColumns, m_nRows);
    for (int c = kLineFirstColumn; c < kLineFirstColumn + kLineLength; ++c)
        m_pCurrent->Cell(c, kLineRow) = 1;
}

CLifeBoard::~CLifeBoard()
{
    m_pCurrent.reset();
    m_pNext.reset();
}

bool CLifeBoard::IsAlive(int column, int row) const
{
    if (column < 0 || column >= m_nColumns || row < 0 || row >= m_nRows)
        return false;
    return m_pCurrent->Cell(column, row) != 0;
}

void CLifeBoard::NextGeneration()
{
    // Wraps like the 32-bit counter it always was, but without undefined overflow.
    m_nGeneration = static_cast<std::int32_t>(static_cast<std::uint32_t>(m_nGeneration) + 1u);
    for (int r = 0; r < m_nRows; ++r)
        NextRow(r);
    m_pCurrent->CopyFrom(*m_pNext);
}

void CLifeBoard::NextRow(int r)
{
    // Column sums of the three rows around r, with a dead column on either side
    // and dead rows beyond the top and bottom edges: the dead border. Byte-wide
    // sums (at most 9) keep the loops short enough for the vector unit.
    std::uint8_t sums[kColumns + 2] = {};
    for (int y = std::max(r - 1, 0); y <= std::min(r + 1, m_nRows - 1); ++y) {
        const std::uint8_t* cells = m_pCurrent->m_pCells + y * m_nColumns;
        for (int c = 0; c < kColumns; ++c)
            sums[c + 1] = static_cast<std::uint8_t>(sums[c + 1] + cells[c]);
    }
    // n counts the cell itself too: 3 is a birth or a survival on two
    // neighbours, 4 a survival on three.
    const std::uint8_t* row = m_pCurrent->m_pCells + r * m_nColumns;
    std::uint8_t* next = m_pNext->m_pCells + r * m_nColumns;
    for (int c = 0; c < kColumns; ++c) {
        const int n = sums[c] + sums[c + 1] + sums[c + 2];
        next[c] = static_cast<std::uint8_t>((n == 3) | ((n == 4) & row[c]));
    }
}

void CLifeBoard::ToggleCell(int column, int row)
{
    if (column < 0 || column >= m_nColumns || row < 0 || row >= m_nRows)
        return;
    std::uint8_t& cell = m_pCurrent->Cell(column, row);
    cell = static_cast<std::uint8_t>(1 - cell);
}

std::optional<CellPosition> CLifeBoard::CellOfPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= GetCellAreaWidth() || y >= GetCellAreaHeight())
        return std::nullopt;
    return CellPosition{x / m_nCellSize, y / m_nCellSize};
}

void CLifeBoard::Draw(CLifeSurface& surface) const
{
    surface.FillSolidRect(RECT{0, 0, GetPictureWidth(), GetPictureHeight()}, kGrey);
    DrawCells(surface);
    DrawGridLines(surface);
    surface.SetBkMode(TRANSPARENT);
    DrawGenerationText(surface);
}

void CLifeBoard::DrawCells(CLifeSurface& surface) const
{
    // Live cells hold 1; the search skips the runs of dead ones in a row at once.
    for (int r = 0; r < m_nRows; ++r) {
        const std::uint8_t* row = m_pCurrent->m_pCells + r * m_nColumns;
        const std::uint8_t* end = row + m_nColumns;
        for (const auto* cell = row; (cell = static_cast<const std::uint8_t*>(std::memchr(cell, 1, end - cell)));
             ++cell) {
            const int c = static_cast<int>(cell - row);
            surface.FillSolidRect(
                RECT{c * m_nCellSize, r * m_nCellSize, (c + 1) * m_nCellSize, (r + 1) * m_nCellSize}, kYellow);
        }
    }
}

void CLifeBoard::DrawGridLines(CLifeSurface& surface) const
{
    for (int r = 0; r < m_nRows; ++r) {
        surface.MoveTo(0, r * m_nCellSize);
        surface.LineTo(GetCellAreaWidth(), r * m_nCellSize);
    }
    for (int c = 0; c < m_nColumns; ++c) {
        surface.MoveTo(c * m_nCellSize, 0);
        surface.LineTo(c * m_nCellSize, GetCellAreaHeight());
    }
}

void CLifeBoard::DrawGenerationText(CLifeSurface& surface) const
{
    char text[32];
    const int length = std::snprintf(text, sizeof text, "Generation: %d", static_cast<int>(m_nGeneration));
    surface.TextOutA(kTextX, GetCellAreaHeight() + kTextGap, text, length);
}
