#pragma once
// One rectangular array of Life cells, row-major, each byte 0 (dead) or 1 (alive).
#include <cstdint>

class CLifeGrid {
public:
    CLifeGrid(std::int32_t width, std::int32_t height);
    ~CLifeGrid();
    CLifeGrid(const CLifeGrid&) = delete;
    CLifeGrid& operator=(const CLifeGrid&) = delete;

    std::uint8_t& Cell(std::int32_t column, std::int32_t row) { return m_pCells[row * m_nWidth + column]; }
    std::uint8_t Cell(std::int32_t column, std::int32_t row) const { return m_pCells[row * m_nWidth + column]; }
    void CopyFrom(const CLifeGrid& other);

    std::uint8_t* m_pCells;
    std::int32_t m_nWidth;
    std::int32_t m_nHeight;
};
