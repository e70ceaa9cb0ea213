// The Generate command on a project context: planning with the user's
// answers, the Save dialog, the AWL source written atomically while the status
// line and the progress bar follow it, and the completion message.
#pragma once

#include "AwlWriter.h"
#include "BlockPlan.h"
#include "ProjectContext.h"

#include <cstdint>
#include <functional>
#include <string>

namespace lumafold {

class GenerateCommand {
public:
    // Milliseconds of a monotonic clock; the window's pending events are
    // processed at most once per kEventInterval of it.
    using Millis = std::function<int64_t()>;
    static constexpr int64_t kEventInterval = 25;

    explicit GenerateCommand(ProjectContext& ctx, Millis now = SteadyMillis);

    void Run();

    // The Save dialog with its suggestion for the project as it stands.
    static FileDialog SaveDialog(const ProjectContext& ctx);
    // "Source for DB900 to DB903 and UDT900 generated".
    static std::string CompletionText(const BlockPlan& plan);
    // The message that reports a failed write.
    static Message FailureMessage(const WriteFailure& failure);

    static int64_t SteadyMillis();

private:
    class Progress;
    void Record(const std::string& path);
    bool WriteSource(const BlockPlan& plan, const std::string& path);
    // force: whatever the clock says; now: the clock's reading.
    void ProcessEvents(bool force, int64_t now);

    ProjectContext& ctx_;
    Millis now_;
    int64_t lastEvents_ = 0;
    bool eventsDone_ = false;
};

} // namespace lumafold
