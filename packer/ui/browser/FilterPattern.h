// The file list's pattern: one or more wildcard patterns separated by ";"; a
// name is shown when it matches any of them, letters compared without case.
#pragma once

#include <string>
#include <vector>

namespace lumafold {

class FilterPattern {
public:
    explicit FilterPattern(const std::string& text = "*.*");
    bool Matches(const std::string& name) const;

private:
    std::vector<std::string> parts_;
};

} // namespace lumafold
