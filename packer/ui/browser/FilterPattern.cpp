#include "FilterPattern.h"

#include <fnmatch.h>

namespace lumafold {
namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

FilterPattern::FilterPattern(const std::string& text) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        std::string part = Trim(text.substr(start, end - start));
        // "*.*" names every file, also one without a dot, as it always has.
        if (part == "*.*") part = "*";
        if (!part.empty()) parts_.push_back(std::move(part));
        start = end + 1;
    }
}

bool FilterPattern::Matches(const std::string& name) const {
    for (const std::string& part : parts_)
        if (::fnmatch(part.c_str(), name.c_str(), FNM_CASEFOLD | FNM_NOESCAPE) == 0) return true;
    return false;
}

} // namespace lumafold
