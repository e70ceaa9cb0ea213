#pragma once
// A dialog as its resource describes it: frame, font and items in dialog units.
#include "Raster.h"

#include <string>
#include <vector>

enum class DialogItemKind { Static, Icon, DefPushButton };

struct DialogItem {
    DialogItemKind kind = DialogItemKind::Static;
    int id = -1;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string text;
    int iconId = 0; // for icons: the icon resource; its image is filled in before showing
    Raster image;
};

struct DialogTemplate {
    bool popup = true; // a pop-up with caption, system menu and modal frame; otherwise a child
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    std::string fontName;
    int pointSize = 8;
    std::vector<DialogItem> items;
};
