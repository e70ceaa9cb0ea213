#include "BatchOptions.h"

#include "ReadBackOptions.h"

namespace lumafold::batch {

std::optional<BatchOptions> ParseArguments(const std::vector<std::string>& args, std::string& problem) {
    BatchOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--skip-invalid") {
            o.skipInvalid = true;
        } else if (a == "-o" || a == "--output") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                problem = "option " + a + " needs a file name";
                return std::nullopt;
            }
            if (!o.output.empty()) {
                problem = "more than one output: " + o.output + ", " + args[i + 1];
                return std::nullopt;
            }
            if (args[i + 1] == "-") {
                problem = "the source is written to a file only, not to standard output (-)";
                return std::nullopt;
            }
            o.output = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            problem = "unknown option " + a;
            return std::nullopt;
        } else if (o.project.empty()) {
            o.project = a;
        } else {
            problem = "more than one project file: " + o.project + ", " + a;
            return std::nullopt;
        }
    }
    if (o.project.empty() && !o.help) {
        problem = "no project file given";
        return std::nullopt;
    }
    return o;
}

std::string UsageText() {
    return "Usage: lumafold-gen PROJECT.F2D [-o OUT.AWL] [--skip-invalid]\n" + ReadBackUsageLines() +
           "\n"
           "Writes the AWL source of a Lumafold project file without asking anything:\n"
           "the same block plan and the same text as the Generate command of the window.\n"
           "\n"
           "  -o, --output OUT.AWL  where to write the source; by default the project's\n"
           "                        AWL source, else the project's name with .AWL beside it\n"
           "  --skip-invalid        leave out, with a warning, a file the window would ask\n"
           "                        about (missing, empty, longer than 32767 bytes, ...);\n"
           "                        without it such a file is an error and nothing is written\n"
           "  -h, --help            this text\n"
           "\n" +
           ReadBackHelpText() +
           "\n"
           "The project file is never changed.\n"
           "Exit codes: 0 source written (or extracted, listed, verified), 1 the project\n"
           "cannot be generated (or a file cannot be read), 2 wrong command line, 3 the\n"
           "source (or an extracted file) could not be written, 4 the AWL source read\n"
           "back is refused, 5 --verify found files that differ.\n";
}

} // namespace lumafold::batch
