#pragma once
// Type libraries and type information are the platform's own.
#include "WinPlatform.h"
