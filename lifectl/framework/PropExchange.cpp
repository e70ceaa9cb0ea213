#include "PropExchange.h"

#include <charconv>

namespace {
template <class T> bool ParseNumber(const std::string& text, T& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}
}

bool CPropExchange::ExchangeVersion(DWORD& version, DWORD defaultVersion, bool convert)
{
    if (!m_loading) {
        m_bag.Write("_Version", std::to_string(version));
        m_version = version;
        return true;
    }
    DWORD stored = defaultVersion;
    const auto text = m_bag.Read("_Version");
    if (text && !ParseNumber(*text, stored))
        stored = defaultVersion;
    version = stored;
    m_version = stored;
    return convert || stored == defaultVersion;
}

bool CPropExchange::PX_Long(const std::string& name, LONG& value, LONG defaultValue)
{
    if (!m_loading) {
        m_bag.Write(name, std::to_string(value));
        return true;
    }
    const auto text = m_bag.Read(name);
    LONG loaded = defaultValue;
    if (!text || !ParseNumber(*text, loaded)) {
        value = defaultValue;
        return false;
    }
    value = loaded;
    return true;
}
