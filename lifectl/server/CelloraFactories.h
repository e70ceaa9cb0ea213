#pragma once
// The two class factories of the server, each writing its own class's registration.
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
