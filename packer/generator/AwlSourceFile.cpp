#include "AwlSourceFile.h"

#include "AtomicFile.h"

namespace lumafold {

std::optional<WriteFailure> WriteAwlSource(const std::string& path, const BlockPlan& plan,
                                           const std::string& timeStamp, WriteProgress* progress) {
    auto outputFailure = [&](const std::string& reason) {
        return WriteFailure{WriteFailure::Where::Output, path, reason};
    };
    AtomicFile file(kFreshFile);
    if (auto reason = file.Open(path)) return outputFailure(*reason);
    if (auto failure = AwlWriter(file.Fd(), path).Write(plan, timeStamp, progress)) return failure;
    if (auto reason = file.Commit()) return outputFailure(*reason);
    return std::nullopt;
}

} // namespace lumafold
