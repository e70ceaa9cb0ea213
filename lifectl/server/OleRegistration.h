#pragma once
// The framework's registration operations, writing into the per-user registry
// file the keys and values the platform's own would write. A module instance
// is the path of the module's file; its resources are read from that file.
#include "ComTypes.h"
#include "Guid.h"

#include <string>

using HINSTANCE = const std::string&;

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
