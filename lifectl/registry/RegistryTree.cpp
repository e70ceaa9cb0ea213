#include "RegistryTree.h"

#include <sstream>

namespace {
constexpr const char* kHeader = "CELLORA REGISTRY 1";

std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '=' || c == '\n' || c == ']') {
            out += '\\';
            out += c == '\n' ? 'n' : c;
        } else {
            out += c;
        }
    }
    return out;
}

// Splits at the first unescaped '=' (or the whole line when there is none) and unescapes.
bool Unescape(const std::string& line, std::string& name, std::string* value)
{
    std::string* target = &name;
    name.clear();
    if (value != nullptr)
        value->clear();
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            ++i;
            *target += line[i] == 'n' ? '\n' : line[i];
        } else if (line[i] == '=' && value != nullptr && target == &name) {
            target = value;
        } else {
            *target += line[i];
        }
    }
    return value == nullptr || target == value;
}
}

void RegistryTree::SetValue(const std::string& key, const std::string& name, const std::string& value)
{
    m_keys[key][name] = value;
}

std::optional<std::string> RegistryTree::GetValue(const std::string& key, const std::string& name) const
{
    const auto k = m_keys.find(key);
    if (k == m_keys.end())
        return std::nullopt;
    const auto v = k->second.find(name);
    if (v == k->second.end())
        return std::nullopt;
    return v->second;
}

bool RegistryTree::DeleteTree(const std::string& key)
{
    bool removed = false;
    for (auto it = m_keys.begin(); it != m_keys.end();) {
        const std::string& path = it->first;
        const bool below = path == key || (path.size() > key.size() && path.compare(0, key.size(), key) == 0
                                           && path[key.size()] == '\\');
        if (below) {
            it = m_keys.erase(it);
            removed = true;
        } else {
            ++it;
        }
    }
    return removed;
}

std::string RegistryTree::Serialize() const
{
    std::string out = std::string(kHeader) + "\n";
    for (const auto& [key, values] : m_keys) {
        out += "[" + Escape(key) + "]\n";
        for (const auto& [name, value] : values)
            out += Escape(name) + "=" + Escape(value) + "\n";
    }
    return out;
}

std::optional<RegistryTree> RegistryTree::Parse(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kHeader)
        return std::nullopt;
    RegistryTree tree;
    std::string key;
    bool inKey = false;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        std::string name, value;
        if (line.front() == '[' && line.back() == ']' && (line.size() < 2 || line[line.size() - 2] != '\\')) {
            Unescape(line.substr(1, line.size() - 2), key, nullptr);
            tree.m_keys[key];
            inKey = true;
        } else if (inKey && Unescape(line, name, &value)) {
            tree.SetValue(key, name, value);
        } else {
            return std::nullopt;
        }
    }
    return tree;
}
