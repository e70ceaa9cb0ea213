#include "Planner.h"

#include "CodePage.h"
#include "FileKind.h"
#include "Paths.h"
#include "VarList.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace lumafold {
namespace {

constexpr const char* kCantGenerate = "Can't generate";
constexpr const char* kCrLf = "\r\n";

// Where a real file is read from.
std::string SourceOf(const FileEntry& entry, const std::string& baseDir) {
    const std::string path = entry.GetFullPath();
    if (baseDir.empty() || path.starts_with(kSep)) return path;
    return JoinPath(baseDir, path);
}

// The length of a real file, or a Questionable saying why it has none.
std::optional<Questionable> Inspect(const std::string& source, const FileEntry& entry, int listPosition,
                                    long long& length) {
    Questionable q;
    q.listPosition = listPosition;
    q.name = entry.name;
    q.source = source;
    struct stat st {};
    if (::stat(q.source.c_str(), &st) != 0) {
        q.concern = Concern::Unreadable;
        q.reason = "it " + MissingReason(q.source, errno);
        return q;
    }
    if (!S_ISREG(st.st_mode)) {
        q.concern = Concern::Unreadable;
        q.reason = "it is " + KindOf(st.st_mode) + ", not a plain file";
        return q;
    }
    length = q.length = st.st_size;
    if (length > kMaxPackedBytes) {
        q.concern = Concern::TooLong;
        return q;
    }
    if (length == 0) {
        q.concern = Concern::Empty;
        return q;
    }
    return std::nullopt;
}

// The checks that hold for every entry, site or file: the texts the AWL
// source will carry.
std::optional<Questionable> CheckTexts(PlannedEntry& p) {
    auto name = ToCodePage(p.name);
    auto source = ToCodePage(p.source);
    Questionable q;
    q.listPosition = p.listPosition;
    q.name = p.name;
    q.source = p.source;
    q.length = p.length;
    if (!name || !source) {
        q.concern = Concern::NotInCodePage;
        return q;
    }
    if (name->size() > static_cast<size_t>(kMaxNameChars)) {
        q.concern = Concern::NameTooLong;
        return q;
    }
    p.nameCp = std::move(*name);
    p.sourceCp = std::move(*source);
    return std::nullopt;
}

// The entry as it would take part, or a Questionable.
std::optional<Questionable> Prepare(const FileEntry& entry, int listPosition, const std::string& baseDir,
                                    PlannedEntry& p) {
    p.listPosition = listPosition;
    p.name = entry.name;
    p.site = IsSite(entry.name);
    if (p.site) {
        p.source = entry.name;
        p.length = kSiteBytes;
    } else {
        long long length = 0;
        const std::string source = SourceOf(entry, baseDir);
        if (auto q = Inspect(source, entry, listPosition, length)) return q;
        p.source = source;
        p.length = static_cast<int32_t>(length);
    }
    return CheckTexts(p);
}

std::string WithoutQuestion(const std::string& source) { return std::string(kCrLf) + "Generate source without " + source + "?"; }

} // namespace

PlanResult MakePlan(int indexDB, const FileList& files, const Decide& decide, const std::string& baseDir) {
    PlanResult result;
    result.indexDB = indexDB;
    result.lastDB = indexDB + files.Count();
    if (indexDB < 1) {
        result.stop = PlanStop::IndexDBTooLow;
        return result;
    }
    if (result.lastDB > kMaxDBNumber) {
        result.stop = PlanStop::RangeOverflow;
        return result;
    }
    BlockPlan plan;
    plan.indexDB = indexDB;
    for (int pos = 1; pos <= files.Count(); ++pos) {
        PlannedEntry p;
        if (auto q = Prepare(files.At(pos), pos, baseDir, p)) {
            if (decide(*q) == Decision::EndRun) {
                result.stop = PlanStop::Declined;
                result.leftOut.clear();
                return result;
            }
            result.leftOut.push_back(std::move(*q));
            continue;
        }
        p.position = plan.Count() + 1;
        p.dbNumber = indexDB + p.position;
        plan.entries.push_back(std::move(p));
    }
    if (plan.entries.empty()) {
        result.stop = PlanStop::NoValidFiles;
        return result;
    }
    result.plan = std::move(plan);
    return result;
}

Message QuestionFor(const Questionable& q) {
    const std::string file = "File \"" + q.source + "\"";
    std::string text;
    switch (q.concern) {
    case Concern::TooLong:
        text = file + " to long ... " + kCrLf + "(max. " + std::to_string(kMaxPackedBytes) + " bytes)";
        break;
    case Concern::Empty:
        text = file + " length is 0 ";
        break;
    case Concern::Unreadable:
        text = file + " can't be read: " + q.reason + " ";
        break;
    case Concern::NameTooLong:
        text = file + " has a name longer than " + std::to_string(kMaxNameChars) + " characters " + kCrLf +
               "(the PLC could not find it by its name)";
        break;
    case Concern::NotInCodePage:
        text = file + " holds characters that the code page " + kCodePageName + " cannot hold ";
        break;
    }
    return Message{text + WithoutQuestion(q.source), Buttons::YesNo, Icon::Question, kCantGenerate, false};
}

std::optional<Message> StopMessage(const PlanResult& result) {
    switch (result.stop) {
    case PlanStop::IndexDBTooLow:
        return Message{std::string("Valid DB numbers: 1 to 1023! ") + kCrLf + "(your IndexDB number is " +
                           std::to_string(result.indexDB) + ")" + kCrLf + "-> try it again with a higher IndexDB number",
                       Buttons::OK, Icon::Error, "DB number underflow", false};
    case PlanStop::RangeOverflow:
        return Message{std::string("Valid DB numbers: 1 to 1023! ") + kCrLf + "(your last DB number is " +
                           std::to_string(result.lastDB) + ")" + kCrLf + "-> try it again with a lower IndexDB number",
                       Buttons::OK, Icon::Error, "DB number overflow", false};
    case PlanStop::NoValidFiles:
        return Message{"No valid source files!", Buttons::OK, Icon::Information, kCantGenerate, false};
    case PlanStop::None:
    case PlanStop::Declined:
        break;
    }
    return std::nullopt;
}

std::optional<BlockPlan> PlanWithPrompts(int indexDB, const FileList& files, Prompter& prompter,
                                         const std::string& baseDir) {
    PlanResult result = MakePlan(
        indexDB, files,
        [&prompter](const Questionable& q) {
            return prompter.MsgBox(QuestionFor(q)) == Answer::No ? Decision::EndRun : Decision::LeaveOut;
        },
        baseDir);
    if (auto message = StopMessage(result)) prompter.MsgBox(*message);
    return std::move(result.plan);
}

} // namespace lumafold
