#include "LifeGrid.h"

#include <algorithm>

CLifeGrid::CLifeGrid(std::int32_t width, std::int32_t height)
    : m_pCells(new std::uint8_t[static_cast<std::size_t>(width) * static_cast<std::size_t>(height)]()),
      m_nWidth(width), m_nHeight(height)
{
}

CLifeGrid::~CLifeGrid()
{
    delete[] m_pCells;
}

void CLifeGrid::CopyFrom(const CLifeGrid& other)
{
    std::copy_n(other.m_pCells, static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight), m_pCells);
}
