// cellora-picture: writes the board picture after presses and generations as a
// PPM file, drawn by the board or painted by the control, for the browser tests
// to compare the element's canvas with.
#include "NativePicture.h"
#include "PpmWriter.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
constexpr const char* kUsage =
    "Usage: cellora-picture [--control] [--press X,Y | --generations N]... -o OUT.ppm\n"
    "Steps run in the order given on a new board; --control paints through the Life control.\n";
}

int main(int argc, char** argv)
{
    std::vector<std::string> rest;
    std::string output;
    bool control = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--control")
            control = true;
        else if (arg == "-o" && i + 1 < argc)
            output = argv[++i];
        else
            rest.push_back(arg);
    }
    std::string problem;
    const auto steps = ParsePictureSteps(rest, problem);
    if (!steps || output.empty()) {
        std::fprintf(stderr, "cellora-picture: %s\n%s", steps ? "no output file given (-o)" : problem.c_str(), kUsage);
        return 2;
    }
    if (!WritePpm(control ? DrawnByControl(*steps) : DrawnByBoard(*steps), output)) {
        std::fprintf(stderr, "cellora-picture: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
