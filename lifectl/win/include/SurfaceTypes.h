#pragma once
// The drawing surface's colour, rectangle and background modes are the
// platform's own COLORREF, RGB, RECT, TRANSPARENT and OPAQUE.
#include "WinPlatform.h"
