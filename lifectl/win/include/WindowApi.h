#pragma once
// The window services are the platform's own SetTimer, KillTimer,
// RedrawWindow, MessageBoxA and the message crackers.
#include "WinPlatform.h"
