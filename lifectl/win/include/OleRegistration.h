#pragma once
// The framework's registration operations, writing the keys of a control, a
// property page and a type library into the platform's registry. A class
// registration that fails part way removes what it wrote of that class.
#include "ModuleState.h"

constexpr unsigned afxRegInsertable = 0x1;
constexpr unsigned afxRegApartmentThreading = 0x2;

bool AfxOleRegisterTypeLib(HINSTANCE hInstance, REFGUID tlid, LPCWSTR pszFileName = nullptr,
                           LPCWSTR pszHelpDir = nullptr);
bool AfxOleUnregisterTypeLib(REFGUID tlid);
bool AfxOleRegisterControlClass(HINSTANCE hInstance, REFCLSID clsid, const char* pszProgID, UINT idTypeName,
                                UINT idBitmap, unsigned nRegFlags, DWORD dwMiscStatus, REFGUID tlid, WORD wVerMajor,
                                WORD wVerMinor);
bool AfxOleRegisterPropertyPageClass(HINSTANCE hInstance, REFCLSID clsid, UINT idTypeName);
bool AfxOleUnregisterClass(REFCLSID clsid, const char* pszProgID);
