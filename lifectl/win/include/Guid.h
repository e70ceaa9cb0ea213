#pragma once
// Identifiers are the platform's GUID; their registry text form
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#include "WinPlatform.h"

#include <string>

std::string GuidToString(const GUID& guid);
