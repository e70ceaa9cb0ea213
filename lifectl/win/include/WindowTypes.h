#pragma once
// The Windows build speaks the platform's own COM, dispatch and window types.
#include "WinPlatform.h"
