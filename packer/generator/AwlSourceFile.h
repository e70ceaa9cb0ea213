// The AWL source of a plan written to its path as one complete file: the
// older file there stays until the new one is whole, and a failed run leaves
// nothing behind.
#pragma once

#include "AwlWriter.h"

namespace lumafold {

std::optional<WriteFailure> WriteAwlSource(const std::string& path, const BlockPlan& plan,
                                           const std::string& timeStamp, WriteProgress* progress = nullptr);

} // namespace lumafold
