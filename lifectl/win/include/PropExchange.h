#pragma once
// One save or load of a control's persistent properties: a list of named
// 32-bit values that the platform's stream or property bag carries.
#include "WinPlatform.h"

#include <map>
#include <string>

class CPropExchange {
public:
    CPropExchange(std::map<std::string, LONG>& values, bool loading) : m_values(values), m_loading(loading) {}

    bool IsLoading() const { return m_loading; }
    DWORD GetVersion() const { return m_version; }
    // Saves the version, or loads it (the given one when none is stored);
    // without conversion, a stored version other than the given one fails.
    bool ExchangeVersion(DWORD& version, DWORD defaultVersion, bool convert);
    bool PX_Long(const std::string& name, LONG& value, LONG defaultValue);

private:
    std::map<std::string, LONG>& m_values;
    bool m_loading;
    DWORD m_version = 0;
};
