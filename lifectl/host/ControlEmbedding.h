#pragma once
// How a container brings a newly made control to life: it reads the control's
// miscellaneous status and hands the control its site before initialising it
// when the status asks for the site first, otherwise after.
#include "OleInterfaces.h"

// The first failure of the two steps; a failed first step skips the second.
HRESULT EmbedControl(IOleObject& control, IOleClientSite& site);
