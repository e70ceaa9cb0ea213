#pragma once
// The content of the CELLORALib type library: the dispatch and event
// interfaces of the Life control and its class.
#include "TypeLibData.h"

const TypeLibData& CelloraTypeLib();
