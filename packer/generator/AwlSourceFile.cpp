#include "AwlSourceFile.h"

#include "AtomicFile.h"
#include "FileKind.h"

namespace lumafold {

std::optional<std::string> SourceAt(const std::string& path, const BlockPlan& plan) {
    const auto output = IdOf(path);
    if (!output) return std::nullopt;
    for (const PlannedEntry& e : plan.entries) {
        if (!e.site && IdOf(e.source) == output) return e.source;
    }
    return std::nullopt;
}

std::optional<WriteFailure> WriteAwlSource(const std::string& path, const BlockPlan& plan,
                                           const std::string& timeStamp, WriteProgress* progress) {
    auto outputFailure = [&](const std::string& reason) {
        return WriteFailure{WriteFailure::Where::Output, path, reason};
    };
    if (auto source = SourceAt(path, plan)) {
        return outputFailure("it is the file \"" + *source + "\" of the project, which would be lost");
    }
    AtomicFile file(kFreshFile);
    if (auto reason = file.Open(path)) return outputFailure(*reason);
    if (auto failure = AwlWriter(file.Fd(), path).Write(plan, timeStamp, progress)) return failure;
    if (auto reason = file.Commit()) return outputFailure(*reason);
    return std::nullopt;
}

} // namespace lumafold
