#pragma once
// The dispatch exception is platform-free and shared with the Linux framework.
#include "../../framework/DispatchException.h"
