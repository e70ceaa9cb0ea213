#include "ReadBackOptions.h"

#include <algorithm>

namespace lumafold::batch {

bool IsReadBack(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--extract" || a == "--list" || a == "--verify"; });
}

std::optional<ReadBackOptions> ParseReadBack(const std::vector<std::string>& args, std::string& problem) {
    ReadBackOptions o;
    std::vector<std::string> operands;
    int modes = 0;
    bool list = false, extract = false;
    auto value = [&](size_t& i) -> std::optional<std::string> {
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            problem = "option " + args[i] + " needs a file name";
            return std::nullopt;
        }
        return args[++i];
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--extract") {
            extract = true;
            ++modes;
        } else if (a == "--list") {
            list = true;
        } else if (a == "--verify") {
            o.mode = ReadBackOptions::Mode::Verify;
            ++modes;
        } else if (a == "-d" || a == "--directory") {
            const auto dir = value(i);
            if (!dir) return std::nullopt;
            o.directory = *dir;
        } else if (a.size() > 1 && a[0] == '-') {
            problem = "unknown option " + a + " (with --extract, --list or --verify)";
            return std::nullopt;
        } else {
            operands.push_back(a);
        }
    }
    if (modes > 1 || (list && o.mode == ReadBackOptions::Mode::Verify)) {
        problem = "--extract, --list and --verify do not go together";
        return std::nullopt;
    }
    if (o.mode == ReadBackOptions::Mode::Verify) {
        if (operands.size() != 2 || !o.directory.empty()) {
            problem = "--verify takes a project file and an AWL source, and nothing else";
            return std::nullopt;
        }
        o.project = operands[0];
        o.source = operands[1];
        return o;
    }
    o.mode = list ? ReadBackOptions::Mode::List : ReadBackOptions::Mode::Extract;
    if (operands.size() != 1) {
        problem = operands.empty() ? "no AWL source given" : "more than one AWL source: " + operands[0] + ", " + operands[1];
        return std::nullopt;
    }
    o.source = operands[0];
    if (extract && !list && o.directory.empty()) {
        problem = "--extract needs -d DIR, the directory for the files (or --list)";
        return std::nullopt;
    }
    if (list && !o.directory.empty()) {
        problem = "--list writes nothing: -d does not go with it";
        return std::nullopt;
    }
    return o;
}

std::string ReadBackUsageLines() {
    return "       lumafold-gen --extract SOURCE.AWL -d DIR\n"
           "       lumafold-gen --list SOURCE.AWL\n"
           "       lumafold-gen --verify PROJECT.F2D SOURCE.AWL\n";
}

std::string ReadBackHelpText() {
    return "Reading an AWL source back (one that lumafold-gen or the window wrote, also\n"
           "after an editor or the S7 tools changed line ends, blanks, comments or case):\n"
           "  --extract SOURCE.AWL -d DIR  write every packed file under its name into DIR\n"
           "                        (made if missing), each file replaced only when\n"
           "                        complete; nothing is written outside DIR\n"
           "  --list SOURCE.AWL     print the packed files (block, bytes, name) instead\n"
           "  --verify PROJECT.F2D SOURCE.AWL\n"
           "                        say whether the source holds exactly the project's files\n"
           "                        as they are on disk now, in the same order and blocks,\n"
           "                        and name every file that differs, is missing or extra\n"
           "A source that cannot be trusted (cut short, a block missing or twice, values\n"
           "beyond filelen, digits that are not hexadecimal, a name that would leave DIR,\n"
           "two files of one name) is refused with its line number and nothing is written.\n";
}

} // namespace lumafold::batch
