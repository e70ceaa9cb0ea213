// The entry points the <cellora-life> element calls: one Life board per
// element, painted as the control paints it and handed over as RGBA pixels.
#include "Bitmap.h"
#include "DeviceContext.h"
#include "LifeBoard.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#define CELLORA_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {
// One buffer serves every board: the page has one thread and each picture is
// copied into its canvas before the next paint starts.
std::vector<std::uint8_t> g_rgba;

// The control's painting procedure: a memory context with a bitmap of the
// picture's size, the board drawn into it.
void PaintRgba(const CLifeBoard& board)
{
    const int width = board.GetPictureWidth();
    const int height = board.GetPictureHeight();
    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(nullptr, width, height);
    memDC.SelectObject(&bitmap);
    board.Draw(memDC);
    const std::uint8_t* rgb = bitmap.GetRaster()->Bytes();
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    g_rgba.resize(pixels * 4);
    for (std::size_t i = 0; i < pixels; ++i) {
        g_rgba[i * 4] = rgb[i * 3];
        g_rgba[i * 4 + 1] = rgb[i * 3 + 1];
        g_rgba[i * 4 + 2] = rgb[i * 3 + 2];
        g_rgba[i * 4 + 3] = 0xFF;
    }
    memDC.DeleteDC();
    bitmap.DeleteObject();
}
}

CELLORA_EXPORT("cellora_board_new") CLifeBoard* cellora_board_new()
{
    return new CLifeBoard;
}

CELLORA_EXPORT("cellora_board_free") void cellora_board_free(CLifeBoard* board)
{
    delete board;
}

CELLORA_EXPORT("cellora_board_next") void cellora_board_next(CLifeBoard* board)
{
    board->NextGeneration();
}

// A left press at a pixel of the picture; answers 1 when it flipped a cell.
CELLORA_EXPORT("cellora_board_press") int cellora_board_press(CLifeBoard* board, int x, int y)
{
    const auto cell = board->CellOfPixel(x, y);
    if (!cell)
        return 0;
    board->ToggleCell(cell->column, cell->row);
    return 1;
}

CELLORA_EXPORT("cellora_board_generation") int cellora_board_generation(const CLifeBoard* board)
{
    return static_cast<int>(board->GetGeneration());
}

CELLORA_EXPORT("cellora_picture_width") int cellora_picture_width(const CLifeBoard* board)
{
    return board->GetPictureWidth();
}

CELLORA_EXPORT("cellora_picture_height") int cellora_picture_height(const CLifeBoard* board)
{
    return board->GetPictureHeight();
}

// Paints the board; answers the address of its width x height RGBA pixels,
// valid until the next call into the module.
CELLORA_EXPORT("cellora_board_paint") const std::uint8_t* cellora_board_paint(const CLifeBoard* board)
{
    PaintRgba(*board);
    return g_rgba.data();
}
