#include "CelloraResources.h"

#include "CelloraTypeLib.h"

namespace {
DialogTemplate AboutBox()
{
    DialogTemplate d;
    d.popup = true;
    d.x = 0, d.y = 0, d.cx = 260, d.cy = 55;
    d.caption = "About GameOfLife Control";
    d.fontName = "MS Sans Serif";
    d.pointSize = 8;
    d.items = {
        {DialogItemKind::Icon, -1, 10, 10, 20, 20, "", IDI_ABOUTDLL, {}},
        {DialogItemKind::Static, -1, 40, 10, 170, 8, "Game Of Life Control, Version 1.0", 0, {}},
        {DialogItemKind::DefPushButton, 1, 221, 7, 32, 14, "OK", 0, {}},
    };
    return d;
}

DialogTemplate PropertyPage()
{
    DialogTemplate d;
    d.popup = false;
    d.x = 0, d.y = 0, d.cx = 250, d.cy = 62;
    d.fontName = "MS Sans Serif";
    d.pointSize = 8;
    d.items = {{DialogItemKind::Static, -1, 7, 25, 229, 16,
                "Controls to manipulate the properties of GameOfLife Control are to be placed on this dialog.", 0, {}}};
    return d;
}

// Grey cells on black grid lines, a few of them yellow, in the board's colours.
Raster CellPicture(int width, int height, int cell)
{
    Raster picture(width, height, RGB(0, 0, 0));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (x % cell == 0 || y % cell == 0)
                continue;
            const int c = x / cell, r = y / cell;
            const bool yellow = (r == 1 && c >= 0 && c <= 2) || (c == 2 && r == 0);
            picture.SetPixel(x, y, yellow ? RGB(255, 255, 0) : RGB(159, 159, 159));
        }
    return picture;
}
}

const DialogTemplate* CelloraResources::FindDialog(int id) const
{
    static const DialogTemplate about = AboutBox();
    static const DialogTemplate page = PropertyPage();
    if (id == IDD_ABOUTBOX_GAMEOFLIFE)
        return &about;
    if (id == IDD_PROPPAGE_GAMEOFLIFE)
        return &page;
    return nullptr;
}

std::string CelloraResources::LoadString(int id) const
{
    switch (id) {
    case IDS_GAMEOFLIFE: return "GameOfLife Control";
    case IDS_GAMEOFLIFE_PPG: return "GameOfLife Property Page";
    case IDS_GAMEOFLIFE_PPG_CAPTION: return "General";
    default: return "";
    }
}

Raster CelloraResources::LoadIcon(int id) const
{
    return id == IDI_ABOUTDLL ? IconImage(32) : Raster();
}

std::optional<TypeLibData> CelloraResources::LoadTypeLib(int id) const
{
    return id == kTypeLibResource ? std::optional<TypeLibData>(CelloraTypeLib()) : std::nullopt;
}

Raster CelloraResources::IconImage(int size)
{
    return CellPicture(size, size, size / 4);
}

Raster CelloraResources::ToolboxBitmap()
{
    return CellPicture(16, 15, 5);
}
