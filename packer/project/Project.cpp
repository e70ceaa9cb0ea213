#include "Project.h"

namespace lumafold {

std::string IndexDBDisplayText(int indexDB) {
    std::string text = std::to_string(indexDB);
    if (text.size() < 4) text.append(4 - text.size(), ' ');
    return text;
}

} // namespace lumafold
