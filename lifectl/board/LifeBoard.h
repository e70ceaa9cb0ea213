#pragma once
// The Game of Life model of the control: a fixed 40 x 25 board with a dead
// border, its generation counter and the composition of its picture.
#include "LifeGrid.h"
#include "LifeSurface.h"

#include <cstdint>
#include <memory>
#include <optional>

struct CellPosition {
    int column;
    int row;
    bool operator==(const CellPosition&) const = default;
};

class CLifeBoard {
public:
    CLifeBoard();
    ~CLifeBoard();
    CLifeBoard(const CLifeBoard&) = delete;
    CLifeBoard& operator=(const CLifeBoard&) = delete;

    void NextGeneration();
    bool IsAlive(int column, int row) const;
    // Positions off the board are ignored.
    void ToggleCell(int column, int row);
    // The cell under a pixel of the picture; none in the status strip or outside.
    std::optional<CellPosition> CellOfPixel(int x, int y) const;
    void Draw(CLifeSurface& surface) const;

    std::int32_t GetGeneration() const { return m_nGeneration; }
    int GetCellSize() const { return m_nCellSize; }
    int GetColumns() const { return m_nColumns; }
    int GetRows() const { return m_nRows; }
    int GetCellAreaWidth() const { return m_nColumns * m_nCellSize; }
    int GetCellAreaHeight() const { return m_nRows * m_nCellSize; }
    int GetPictureWidth() const { return GetCellAreaWidth(); }
    int GetPictureHeight() const { return GetCellAreaHeight() + m_nStripHeight; }

private:
    static constexpr int kColumns = 40;
    void NextRow(int row);
    void DrawCells(CLifeSurface& surface) const;
    void DrawGridLines(CLifeSurface& surface) const;
    void DrawGenerationText(CLifeSurface& surface) const;

    std::int32_t m_nGeneration;
    std::unique_ptr<CLifeGrid> m_pCurrent;
    std::unique_ptr<CLifeGrid> m_pNext;
    std::int32_t m_nCellSize;
    std::int32_t m_nColumns;
    std::int32_t m_nRows;
    std::int32_t m_nStripHeight;
};
