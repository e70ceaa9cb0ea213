#pragma once
// The named values a control saves and loads: the persistent form of its properties.
#include <map>
#include <optional>
#include <string>

class CPropertyBag {
public:
    void Write(const std::string& name, const std::string& value) { m_values[name] = value; }
    std::optional<std::string> Read(const std::string& name) const;
    const std::map<std::string, std::string>& Values() const { return m_values; }

private:
    std::map<std::string, std::string> m_values;
};
