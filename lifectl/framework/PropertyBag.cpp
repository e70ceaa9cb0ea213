#include "PropertyBag.h"

std::optional<std::string> CPropertyBag::Read(const std::string& name) const
{
    const auto found = m_values.find(name);
    if (found == m_values.end())
        return std::nullopt;
    return found->second;
}
