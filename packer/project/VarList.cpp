#include "VarList.h"

namespace lumafold {

std::string SiteName(int number) { return "varlist" + std::to_string(number) + ".txt"; }

bool IsSiteName(const std::string& name) {
    for (int i = 1; i <= kSiteCount; ++i) {
        if (name == SiteName(i)) return true;
    }
    return false;
}

bool IsSite(const std::string& name) { return name.find("varlist") != std::string::npos; }

} // namespace lumafold
