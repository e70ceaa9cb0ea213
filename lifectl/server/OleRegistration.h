#pragma once
// The framework's registration operations, writing into the per-user registry
// file the keys and values the platform's own would write. What they register
// is the module instance's file; names and the type library come from the
// instance's resources in memory.
#include "ComTypes.h"
#include "Guid.h"
#include "ModuleInstance.h"

constexpr unsigned afxRegInsertable = 0x1;
constexpr unsigned afxRegApartmentThreading = 0x2;

bool AfxOleRegisterTypeLib(HINSTANCE hInstance, REFGUID tlid, const char* pszFileName = nullptr,
                           const char* pszHelpDir = nullptr);
bool AfxOleUnregisterTypeLib(REFGUID tlid);
bool AfxOleRegisterControlClass(HINSTANCE hInstance, REFCLSID clsid, const char* pszProgID, UINT idTypeName,
                                UINT idBitmap, unsigned nRegFlags, DWORD dwMiscStatus, REFGUID tlid, WORD wVerMajor,
                                WORD wVerMinor);
bool AfxOleRegisterPropertyPageClass(HINSTANCE hInstance, REFCLSID clsid, UINT idTypeName);
bool AfxOleUnregisterClass(REFCLSID clsid, const char* pszProgID);
