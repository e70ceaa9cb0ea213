#pragma once
// Finding a registered type library is the platform's LoadRegTypeLib.
#include "WinPlatform.h"
