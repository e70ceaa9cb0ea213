#include "ReadBackRun.h"

#include "AwlReader.h"
#include "BatchRun.h"
#include "Extraction.h"
#include "SourceFile.h"
#include "Verification.h"

#include <iomanip>

namespace lumafold::batch {
namespace {

using namespace lumafold::extract;

int ReadError(std::ostream& err, const std::string& path, const std::string& reason) {
    err << "lumafold-gen: error: cannot read " << path << ": " << reason << "\n";
    return kExitNotGenerated;
}

// The source read and checked; nothing after a message on err.
std::optional<AwlContent> ReadSource(const std::string& path, std::ostream& err, int& exitCode) {
    std::string reason;
    auto file = SourceFile::Open(path, reason);
    if (!file) {
        exitCode = ReadError(err, path, reason);
        return std::nullopt;
    }
    AwlReadResult read = ReadAwlSource(*file);
    if (read.unreadable) {
        exitCode = ReadError(err, path, read.problem.text);
    } else if (!read.content) {
        err << "lumafold-gen: " << path << ":" << read.problem.line << ": " << read.problem.text << "\n"
            << "lumafold-gen: the source is refused; nothing was written\n";
        exitCode = kExitUntrusted;
    }
    return std::move(read.content);
}

int List(const AwlContent& content, std::ostream& out) {
    long long total = 0;
    out << "Block  Bytes  Name\n";
    for (const PackedFile& f : content.files) {
        out << std::left << std::setw(6) << ("DB" + std::to_string(f.dbNumber)) << std::right << std::setw(6)
            << f.length << "  " << f.name << "\n";
        total += f.length;
    }
    out << content.files.size() << " files, " << total << " bytes, index DB" << content.indexDB << "\n";
    return kExitGenerated;
}

int Extract(const AwlContent& content, const std::string& directory, std::ostream& out, std::ostream& err) {
    std::vector<std::string> written;
    if (const auto failure = ExtractFiles(content, directory, written)) {
        err << "lumafold-gen: error: cannot write " << failure->path << ": " << failure->reason << "\n";
        if (written.empty()) {
            err << "lumafold-gen: no file was written\n";
        } else {
            err << "lumafold-gen: " << written.size() << " of " << content.files.size()
                << " files were written before:\n";
            for (const std::string& path : written) err << "  " << path << "\n";
        }
        return kExitWriteFailed;
    }
    out << content.files.size() << " files of DB" << content.indexDB << " written to " << directory << "\n";
    return kExitGenerated;
}

int VerifyAgainst(const ProjectPlan& plan, const AwlContent& content, std::ostream& out) {
    std::vector<UnpackableEntry> unpackable;
    for (const ProjectPlan::LeftOut& l : plan.leftOut) unpackable.push_back({l.name, l.reason});
    const VerifyReport report = Verify(plan.indexDB, plan.planned, unpackable, content);
    for (const std::string& line : report.differences) out << line << "\n";
    if (report.Agrees()) {
        out << "the AWL source holds the project's " << report.files << " files as they are on disk, DB"
            << plan.indexDB << " to DB" << plan.indexDB + report.files << "\n";
        return kExitGenerated;
    }
    out << report.differences.size() << (report.differences.size() == 1 ? " difference" : " differences")
        << ": the AWL source does not hold the project's files as they are on disk\n";
    return kExitDiffers;
}

} // namespace

int RunReadBack(const ReadBackOptions& o, std::ostream& out, std::ostream& err) {
    std::optional<ProjectPlan> plan;
    if (o.mode == ReadBackOptions::Mode::Verify) {
        plan = PlanProjectFile(o.project, err);
        if (!plan) return kExitNotGenerated;
    }
    int exitCode = kExitGenerated;
    const auto content = ReadSource(o.source, err, exitCode);
    if (!content) return exitCode;
    switch (o.mode) {
    case ReadBackOptions::Mode::List: return List(*content, out);
    case ReadBackOptions::Mode::Extract: return Extract(*content, o.directory, out, err);
    case ReadBackOptions::Mode::Verify: break;
    }
    return VerifyAgainst(*plan, *content, out);
}

} // namespace lumafold::batch
