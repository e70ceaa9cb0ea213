#pragma once
// One save or load of a control's persistent properties through a property bag.
#include "ComTypes.h"
#include "PropertyBag.h"

#include <string>

class CPropExchange {
public:
    CPropExchange(CPropertyBag& bag, bool loading) : m_bag(bag), m_loading(loading) {}

    bool IsLoading() const { return m_loading; }
    DWORD GetVersion() const { return m_version; }
    // Saves the version, or loads it (the given one when none is stored);
    // without conversion, a stored version other than the given one fails.
    bool ExchangeVersion(DWORD& version, DWORD defaultVersion, bool convert);
    // A stored value that is not a number loads as the default.
    bool PX_Long(const std::string& name, LONG& value, LONG defaultValue);

private:
    CPropertyBag& m_bag;
    bool m_loading;
    DWORD m_version = 0;
};
