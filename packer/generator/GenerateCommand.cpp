#include "GenerateCommand.h"

#include "AwlSourceFile.h"
#include "Paths.h"
#include "Planner.h"
#include "TitleText.h"

#include <algorithm>
#include <chrono>

namespace lumafold {
namespace {

// The most DW lines between two progress reports, a few microseconds of
// writing: each report looks at the clock, which on every line would cost
// more than the line itself.
constexpr int64_t kMaxLinesPerReport = 512;

// The suggestion of the dialog: the AWL source, else the project file less
// its extension, else the program's own directory.
void Suggest(const ProjectContext& ctx, FileDialog& d) {
    const Project& prj = ctx.project;
    if (!prj.awlDir.empty() && !prj.awlFile.empty()) {
        d.InitDir = prj.awlDir;
        d.FileName = prj.awlFile;
    } else if (!prj.projectDir.empty() && !prj.projectFile.empty()) {
        d.InitDir = prj.projectDir;
        d.FileName = AwlFileNameFor(prj.projectFile);
    } else {
        d.InitDir = ctx.programDir;
        d.FileName.clear();
    }
}

} // namespace

// The writer's progress shown in Label2 and ProgressBar1. The bar's value
// is set on every report and the window repaints only within a report, so it
// always shows the line being written; the reports come as often as the
// window may process its events, by the pace of the lines so far.
class GenerateCommand::Progress final : public WriteProgress {
public:
    explicit Progress(GenerateCommand& cmd) : cmd_(cmd), lastReport_(cmd.now_()) {}
    void BlockStarted(const PlannedEntry& entry) override {
        Elements& el = cmd_.ctx_.el;
        el.Label2 = entry.source;
        el.ProgressBar1Max = entry.length;
        el.ProgressBar1Value = 0;
        cmd_.ProcessEvents(false, cmd_.now_());
    }
    int32_t BeforeDwordLine(int32_t bytesDone) override {
        cmd_.ctx_.el.ProgressBar1Value = bytesDone;
        const int64_t now = cmd_.now_();
        cmd_.ProcessEvents(false, now);
        return NextReport(now);
    }

private:
    // The lines the writer will manage, at the pace of the last report's
    // lines, until the window may process its events again.
    int32_t NextReport(int64_t now) {
        const int64_t elapsed = now - lastReport_;
        lastReport_ = now;
        const int64_t remaining = std::max<int64_t>(1, cmd_.lastEvents_ + kEventInterval - now);
        const int64_t lines = elapsed <= 0 ? kMaxLinesPerReport : lines_ * remaining / elapsed;
        lines_ = std::clamp<int64_t>(lines, 1, kMaxLinesPerReport);
        return static_cast<int32_t>(lines_);
    }

    GenerateCommand& cmd_;
    int64_t lastReport_;
    int64_t lines_ = 1;
};

GenerateCommand::GenerateCommand(ProjectContext& ctx, Millis now) : ctx_(ctx), now_(std::move(now)) {}

int64_t GenerateCommand::SteadyMillis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

FileDialog GenerateCommand::SaveDialog(const ProjectContext& ctx) {
    FileDialog d;
    d.kind = FileDialog::Kind::Save;
    d.DialogTitle = "Save AWL source file";
    d.Filter = std::string("All Files (*.*)|*.*|") + "AWL Source (*" + ".AWL" + ")|*" + ".AWL";
    d.FilterIndex = 2;
    d.DefaultExt = ".AWL";
    d.Flags = dlg::SaveFlags;
    Suggest(ctx, d);
    return d;
}

std::string GenerateCommand::CompletionText(const BlockPlan& plan) {
    const std::string db = std::to_string(plan.indexDB);
    return "Source for DB" + db + " to DB" + std::to_string(plan.LastDB()) + " and UDT" + db + " generated";
}

Message GenerateCommand::FailureMessage(const WriteFailure& f) {
    const std::string what = f.where == WriteFailure::Where::Source ? "File \"" + f.path + "\" can't be read: "
                                                                     : "AWL source \"" + f.path + "\" can't be written: ";
    return Message{what + f.reason + " \r\nNo source generated", Buttons::OK, Icon::Error, "Can't generate", false};
}

void GenerateCommand::ProcessEvents(bool force, int64_t now) {
    if (!force && eventsDone_ && now - lastEvents_ < kEventInterval) return;
    lastEvents_ = now;
    eventsDone_ = true;
    ctx_.hooks.ProcessPendingEvents();
}

void GenerateCommand::Record(const std::string& path) {
    Project& prj = ctx_.project;
    prj.awlDir = DirectorySetting(path);
    prj.awlFile = GetFileName(path);
    prj.AWLTimeStamp = TimeStampText(ctx_.clock);
}

bool GenerateCommand::WriteSource(const BlockPlan& plan, const std::string& path) {
    Elements& el = ctx_.el;
    const std::string caption = el.Caption;
    el.Caption = std::string(kTitleText) + "(" + path + ")";
    Progress progress(*this);
    const auto failure = WriteAwlSource(path, plan, ctx_.project.AWLTimeStamp, &progress);
    if (!failure) return true;
    el.Caption = caption;
    el.Label2.clear();
    el.ProgressBar1Value = 0;
    ctx_.prompter.MsgBox(FailureMessage(*failure));
    return false;
}

void GenerateCommand::Run() {
    std::optional<BlockPlan> plan = PlanWithPrompts(ctx_.project.IndexDB, ctx_.project.files, ctx_.prompter, ctx_.project.projectDir);
    if (!plan) return;
    const auto choice = ctx_.prompter.ShowFileDialog(SaveDialog(ctx_));
    if (!choice || choice->FileName.empty()) return;
    const std::string path = choice->FileName;
    Record(path);

    Elements& el = ctx_.el;
    el.Label2.clear();
    el.ProgressBar1Value = 0;
    ProcessEvents(true, now_());
    if (!WriteSource(*plan, path)) return;

    ctx_.hooks.RefreshFileList();
    el.Label2 = "Source generated";
    el.ProgressBar1Value = 0;
    Ask(ctx_.prompter, CompletionText(*plan), Buttons::OK, Icon::Information, "Info");
}

} // namespace lumafold
