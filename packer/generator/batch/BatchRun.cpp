#include "BatchRun.h"

#include "AwlSourceFile.h"
#include "FileKind.h"
#include "GenerateCommand.h"
#include "Paths.h"
#include "Planner.h"
#include "ProjectStore.h"
#include "VarList.h"

#include <filesystem>
#include <sstream>
#include <vector>

namespace lumafold::batch {
namespace {

namespace fs = std::filesystem;

// Message texts as stderr lines: CR LF becomes a line break and an indent.
std::string AsLines(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            out += "\n  ";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Stands for the person at the keyboard while the project file is loaded:
// it keeps a too long file in the list (planning then decides about it) and
// collects every message instead of showing it.
class LoadPrompter final : public Prompter {
public:
    struct Note {
        std::string text;
        bool entryRefused;  // AddFile's "Can't add": one file left out
        bool notRead;       // lines that are no keys: the file's format ignores them
    };
    Answer MsgBox(const Message& m) override {
        if (m.buttons == Buttons::YesNo) return Answer::Yes;
        notes.push_back({m.text, m.title == "Can't add", m.title == kLinesNotRead});
        return Answer::OK;
    }
    std::optional<FileChoice> ShowFileDialog(const FileDialog&) override { return std::nullopt; }
    bool ShowPrinter(const PrintDialog&) override { return false; }
    std::vector<Note> notes;
};

class Run {
public:
    Run(const BatchOptions& o, const Clock& clock, std::ostream& out, std::ostream& err)
        : o_(o), out_(out), err_(err), ctx_(prompter_, clock, hooks_, ""), editor_(ctx_) {}

    int Go() {
        if (!Load() || !LoadedCleanly()) return kExitNotGenerated;
        const fs::path project = Absolute(o_.project);
        const std::string output = OutputPath();
        const auto outputId = IdOf(output);
        if (outputId && outputId == IdOf(project.string()))
            return Error("the output " + output + " is the project file itself");
        std::optional<BlockPlan> plan = Plan();
        if (!plan) return kExitNotGenerated;
        return Write(*plan, output);
    }

    std::optional<ProjectPlan> PlanAll() {
        if (!Load()) return std::nullopt;
        ProjectPlan p;
        for (const auto& note : prompter_.notes) {
            if (note.notRead) {
                Warning(note.text);
                continue;
            }
            if (!note.entryRefused) {
                Error(note.text);
                return std::nullopt;
            }
            // "File \"PATH\" doesn't exist ... " and the like
            const size_t open = note.text.find('"');
            const size_t close = note.text.find('"', open + 1);
            const std::string path = close == std::string::npos ? "" : note.text.substr(open + 1, close - open - 1);
            p.leftOut.push_back({GetFileName(path), AsLines(note.text)});
        }
        PlanResult result = MakePlan(ctx_.project.IndexDB, ctx_.project.files,
                                     [](const Questionable&) { return Decision::LeaveOut; }, ctx_.project.projectDir);
        if (result.stop == PlanStop::IndexDBTooLow || result.stop == PlanStop::RangeOverflow) {
            Error(StopMessage(result)->text);
            return std::nullopt;
        }
        for (const Questionable& q : result.leftOut) {
            std::string text = QuestionFor(q).text;
            p.leftOut.push_back({q.name, AsLines(text.substr(0, text.rfind("\r\n")))});
        }
        p.indexDB = ctx_.project.IndexDB;
        if (result.plan) p.planned = std::move(result.plan->entries);
        return p;
    }

private:
    bool Load() {
        const fs::path project = Absolute(o_.project);
        if (auto what = NotPlainFile(project.string())) {
            Error("project file " + project.string() + " " + *what);
            return false;
        }
        ProjectStore(ctx_, editor_).LoadProject(project.filename().string(), project.parent_path().string() + "/");
        return true;
    }

    int Error(const std::string& text) {
        err_ << "lumafold-gen: error: " << AsLines(text) << "\n";
        return kExitNotGenerated;
    }
    void Warning(const std::string& text) { err_ << "lumafold-gen: warning: " << AsLines(text) << "\n"; }

    bool LoadedCleanly() {
        bool clean = true;
        for (const auto& note : prompter_.notes) {
            if (note.notRead) {
                Warning(note.text);
            } else if (note.entryRefused && o_.skipInvalid) {
                Warning(note.text + "(left out)");
            } else {
                Error(note.text);
                clean = false;
            }
        }
        return clean;
    }

    // A path taken from the current directory, without asking the file
    // system (which could fail for a vanished directory).
    static fs::path Absolute(const std::string& path) {
        std::error_code ec;
        fs::path p = fs::absolute(path, ec);
        return (ec ? fs::path(path) : p).lexically_normal();
    }

    // What the Save dialog would suggest: the project's AWL source, else its
    // name beside it; a name without extension gets .AWL, as the dialog's
    // default extension does.
    std::string OutputPath() {
        if (!o_.output.empty()) return Absolute(o_.output).string();
        const Project& prj = ctx_.project;
        if (!prj.awlDir.empty() && prj.awlFile.empty())
            Warning("the project's AWLSource " + prj.awlDir + " names no file; the project's name is taken");
        const FileDialog suggestion = GenerateCommand::SaveDialog(ctx_);
        // A project name that is all extension suggests no name; its whole name serves.
        const std::string name = suggestion.FileName.empty() ? prj.projectFile : suggestion.FileName;
        std::string path = JoinPath(suggestion.InitDir, name);
        if (GetFileName(path).find('.') == std::string::npos) path += ".AWL";
        return path;
    }

    // A name that merely contains "varlist" is packed without reading it.
    void NoteSites(const BlockPlan& plan) {
        for (const PlannedEntry& e : plan.entries) {
            if (e.site && !IsSiteName(e.name))
                err_ << "lumafold-gen: note: " << e.name
                     << " is packed as a VarList site, 1024 zero bytes, because its name contains \"varlist\"\n";
        }
    }

    std::optional<BlockPlan> Plan() {
        bool refused = false;
        const auto decide = [&](const Questionable& q) {
            std::string text = QuestionFor(q).text;
            text = text.substr(0, text.rfind("\r\n"));  // the problem without the window's question
            if (o_.skipInvalid) {
                Warning(text + "(left out)");
            } else {
                Error(text);
                refused = true;
            }
            return Decision::LeaveOut;
        };
        PlanResult result = MakePlan(ctx_.project.IndexDB, ctx_.project.files, decide, ctx_.project.projectDir);
        if (auto m = StopMessage(result)) Error(m->text);
        if (refused || !result.plan) return std::nullopt;
        NoteSites(*result.plan);
        return std::move(result.plan);
    }

    int Write(const BlockPlan& plan, const std::string& path) {
        const std::string stamp = TimeStampText(ctx_.clock);
        if (const auto failure = WriteAwlSource(path, plan, stamp)) {
            Error(GenerateCommand::FailureMessage(*failure).text);
            return failure->where == WriteFailure::Where::Output ? kExitWriteFailed : kExitNotGenerated;
        }
        out_ << GenerateCommand::CompletionText(plan) << "\n";
        return kExitGenerated;
    }

    const BatchOptions& o_;
    std::ostream& out_;
    std::ostream& err_;
    LoadPrompter prompter_;
    WindowHooks hooks_;
    ProjectContext ctx_;
    ProjectEditor editor_;
};

} // namespace

int RunBatch(const BatchOptions& options, const Clock& clock, std::ostream& out, std::ostream& err) {
    return Run(options, clock, out, err).Go();
}

std::optional<ProjectPlan> PlanProjectFile(const std::string& project, std::ostream& err) {
    const BatchOptions options{project, "", true, false};
    const SystemClock clock;
    std::ostringstream out;
    return Run(options, clock, out, err).PlanAll();
}

} // namespace lumafold::batch
