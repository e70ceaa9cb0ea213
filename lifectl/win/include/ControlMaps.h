#pragma once
// The message, verb and dispatch maps are platform-free and shared with the
// Linux framework; their types (ComTypes.h, Dispatch.h, WindowTypes.h) are the
// platform's here.
#include "../../framework/ControlMaps.h"
