#pragma once
// Cellora's resources: the about box and property page dialogs, the type-name
// and caption strings, the control's icon and toolbox bitmap.
#include "CelloraResourceIds.h"
#include "ModuleState.h"

class CelloraResources final : public IResourceTable {
public:
    const DialogTemplate* FindDialog(int id) const override;
    std::string LoadString(int id) const override;
    Raster LoadIcon(int id) const override;
    std::optional<TypeLibData> LoadTypeLib(int id) const override;
    // The icon at one of its two sizes, 32 or 16 pixels square.
    static Raster IconImage(int size);
    // The 16 x 15 toolbox picture.
    static Raster ToolboxBitmap();
};
