// The AWL source of a plan written to its path as one complete file: the
// older file there stays until the new one is whole, and a failed run leaves
// nothing behind. An output that is the same file as one of the plan's
// sources (links followed) is refused before anything is written.
#pragma once

#include "AwlWriter.h"

namespace lumafold {

std::optional<WriteFailure> WriteAwlSource(const std::string& path, const BlockPlan& plan,
                                           const std::string& timeStamp, WriteProgress* progress = nullptr);

// The planned source that is the same file as path, if any.
std::optional<std::string> SourceAt(const std::string& path, const BlockPlan& plan);

} // namespace lumafold
