// A row of the browser's file list as adding sees it: a name and its selection.
#pragma once

#include <string>

namespace lumafold {

struct BrowserRow {
    std::string name;
    bool selected = false;
};

} // namespace lumafold
