// Planning a Generate run: the range check, the size questions and the
// numbering. Planning never writes and changes nothing; the questions go
// through a decision callback so that the window asks the user and a batch
// run can turn them into errors or warnings.
#pragma once

#include "BlockPlan.h"
#include "FileList.h"
#include "Prompter.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumafold {

// Why an entry cannot simply take part.
enum class Concern {
    TooLong,        // more than 32767 bytes
    Empty,          // 0 bytes
    Unreadable,     // missing, not a plain file, or its length cannot be learnt
    NameTooLong,    // more than the 40 characters of filename
    NotInCodePage,  // name or path holds a character the code page cannot hold
};

struct Questionable {
    Concern concern = Concern::TooLong;
    int listPosition = 0;
    std::string name;      // the entry's name
    std::string source;    // full path of a real file, the name of a VarList site
    long long length = 0;  // bytes on disk, when known
    std::string reason;    // the system's reason for Unreadable
};

enum class Decision { LeaveOut, EndRun };
using Decide = std::function<Decision(const Questionable&)>;

enum class PlanStop {
    None,            // a plan was made
    IndexDBTooLow,   // IndexDB below 1
    RangeOverflow,   // IndexDB + every entry above 1023
    Declined,        // a question was answered with EndRun
    NoValidFiles,    // nothing left to pack
};

struct PlanResult {
    std::optional<BlockPlan> plan;
    PlanStop stop = PlanStop::None;
    int indexDB = 0;
    int lastDB = 0;                     // IndexDB + every entry, for the range error
    std::vector<Questionable> leftOut;  // entries left out of this run, in list order
};

// Plans the run for IndexDB and the list; decide is asked about every
// questionable entry, in list order, and never once the range check failed.
// A real file whose path is relative (a bare name read from a project file)
// is taken from baseDir, the project's directory, not from wherever the
// program was started.
PlanResult MakePlan(int indexDB, const FileList& files, const Decide& decide, const std::string& baseDir = "");

// The Yes/No question that the window asks about a questionable entry.
Message QuestionFor(const Questionable& q);
// The message that tells why planning stopped; nothing for None and Declined
// (the user has just answered No).
std::optional<Message> StopMessage(const PlanResult& result);

// Planning with the user's answers: a question answered No ends the run, and
// the reason for any stop has been shown when this returns nothing.
std::optional<BlockPlan> PlanWithPrompts(int indexDB, const FileList& files, Prompter& prompter,
                                         const std::string& baseDir = "");

} // namespace lumafold
