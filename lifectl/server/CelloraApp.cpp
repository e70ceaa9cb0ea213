#include "CelloraApp.h"

bool CCelloraApp::InitInstance()
{
    return COleControlModule::InitInstance();
}

int CCelloraApp::ExitInstance()
{
    return COleControlModule::ExitInstance();
}
