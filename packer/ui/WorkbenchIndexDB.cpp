// The IndexDB field of the workbench.
#include "Workbench.h"

namespace lumafold {

void Workbench::MaskEdBox1_GotFocus() {}
void Workbench::MaskEdBox1_Validate(const std::string& /*text*/) {}
bool Workbench::MaskEdBox1_LostFocus() { return false; }

} // namespace lumafold
