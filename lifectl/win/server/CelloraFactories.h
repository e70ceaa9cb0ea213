#pragma once
// The two class factories of the Windows server, each writing its own class's
// registration into the platform's registry.
#include "ObjectFactory.h"

class CGameOfLifeCtrlFactory final : public COleObjectFactory {
public:
    CGameOfLifeCtrlFactory(AFX_MODULE_STATE& module, const CRuntimeClass* pRuntimeClass);
    bool UpdateRegistry(bool bRegister) override;
};

class CGameOfLifePropPageFactory final : public COleObjectFactory {
public:
    CGameOfLifePropPageFactory(AFX_MODULE_STATE& module, const CRuntimeClass* pRuntimeClass);
    bool UpdateRegistry(bool bRegister) override;
};

// The server's module state record, and whether its start-up succeeded.
AFX_MODULE_STATE* CelloraModuleStateRecord();
bool CelloraModuleStarted();
