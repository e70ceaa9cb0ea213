#pragma once
// Cellora's module object; it adds nothing to the framework's start-up and shut-down.
#include "ControlModule.h"

class CCelloraApp : public COleControlModule {
public:
    bool InitInstance() override;
    int ExitInstance() override;
};
