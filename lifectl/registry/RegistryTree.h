#pragma once
// The per-user classes registry in memory: keys by path ("CLSID\{...}\InprocServer32"),
// each with named string values, "@" naming a key's default value.
#include <map>
#include <optional>
#include <string>

class RegistryTree {
public:
    using Values = std::map<std::string, std::string>;

    void SetValue(const std::string& key, const std::string& name, const std::string& value);
    void SetDefault(const std::string& key, const std::string& value) { SetValue(key, "@", value); }
    std::optional<std::string> GetValue(const std::string& key, const std::string& name = "@") const;
    bool HasKey(const std::string& key) const { return m_keys.count(key) != 0; }
    // Removes the key and every key below it; answers whether anything went.
    bool DeleteTree(const std::string& key);
    const std::map<std::string, Values>& Keys() const { return m_keys; }
    bool Empty() const { return m_keys.empty(); }

    std::string Serialize() const;
    // Answers nothing for text that is not a registry file.
    static std::optional<RegistryTree> Parse(const std::string& text);

private:
    std::map<std::string, Values> m_keys;
};
