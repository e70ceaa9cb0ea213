// The entry points the <cellora-life> element calls: one Life board per
// element, drawn as the control draws it and handed over as RGBA pixels.
#include "DeviceContext.h"
#include "LifeBoard.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#define CELLORA_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {
struct ElementBoard {
    CLifeBoard board;
    std::vector<std::uint8_t> rgba;
};

// The board draws on a device context over a raster, as it draws in the
// control's memory bitmap; the raster's RGB rows become the canvas's RGBA.
void PaintRgba(ElementBoard& element)
{
    Raster picture(element.board.GetPictureWidth(), element.board.GetPictureHeight());
    CDC dc(picture);
    element.board.Draw(dc);
    const std::uint8_t* rgb = picture.Bytes();
    const std::size_t pixels = static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(picture.Height());
    element.rgba.resize(pixels * 4);
    for (std::size_t i = 0; i < pixels; ++i) {
        element.rgba[i * 4] = rgb[i * 3];
        element.rgba[i * 4 + 1] = rgb[i * 3 + 1];
        element.rgba[i * 4 + 2] = rgb[i * 3 + 2];
        element.rgba[i * 4 + 3] = 0xFF;
    }
}
}

CELLORA_EXPORT("cellora_board_new") ElementBoard* cellora_board_new()
{
    return new ElementBoard;
}

CELLORA_EXPORT("cellora_board_free") void cellora_board_free(ElementBoard* element)
{
    delete element;
}

CELLORA_EXPORT("cellora_board_next") void cellora_board_next(ElementBoard* element)
{
    element->board.NextGeneration();
}

// A left press at a pixel of the picture; answers 1 when it flipped a cell.
CELLORA_EXPORT("cellora_board_press") int cellora_board_press(ElementBoard* element, int x, int y)
{
    const auto cell = element->board.CellOfPixel(x, y);
    if (!cell)
        return 0;
    element->board.ToggleCell(cell->column, cell->row);
    return 1;
}

CELLORA_EXPORT("cellora_board_generation") int cellora_board_generation(const ElementBoard* element)
{
    return static_cast<int>(element->board.GetGeneration());
}

CELLORA_EXPORT("cellora_picture_width") int cellora_picture_width(const ElementBoard* element)
{
    return element->board.GetPictureWidth();
}

CELLORA_EXPORT("cellora_picture_height") int cellora_picture_height(const ElementBoard* element)
{
    return element->board.GetPictureHeight();
}

// Draws the board; answers the address of its width x height RGBA pixels,
// valid until the element's next paint.
CELLORA_EXPORT("cellora_board_paint") const std::uint8_t* cellora_board_paint(ElementBoard* element)
{
    PaintRgba(*element);
    return element->rgba.data();
}
