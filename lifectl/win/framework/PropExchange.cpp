#include "PropExchange.h"

namespace {
constexpr const char* kVersionName = "_Version";
}

bool CPropExchange::ExchangeVersion(DWORD& version, DWORD defaultVersion, bool convert)
{
    if (!m_loading) {
        m_values[kVersionName] = static_cast<LONG>(version);
        m_version = version;
        return true;
    }
    const auto found = m_values.find(kVersionName);
    m_version = found != m_values.end() ? static_cast<DWORD>(found->second) : defaultVersion;
    if (!convert && m_version != defaultVersion)
        return false;
    version = m_version;
    return true;
}

bool CPropExchange::PX_Long(const std::string& name, LONG& value, LONG defaultValue)
{
    if (!m_loading) {
        m_values[name] = value;
        return true;
    }
    const auto found = m_values.find(name);
    value = found != m_values.end() ? found->second : defaultValue;
    return true;
}
