#pragma once
// The server's module state record and whether its start-up succeeded.
#include "ModuleState.h"

AFX_MODULE_STATE* CelloraModuleStateRecord();
bool CelloraModuleStarted();
