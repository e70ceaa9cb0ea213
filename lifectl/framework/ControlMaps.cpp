#include "ControlMaps.h"

DISPID AfxDispIdOf(const AFX_DISPMAP& map, std::size_t index)
{
    return map[index].dispid != DISPID_UNKNOWN ? map[index].dispid : static_cast<DISPID>(index + 1);
}
