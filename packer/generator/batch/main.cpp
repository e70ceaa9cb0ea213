// lumafold-gen: writes the AWL source of a project file from the command line.
#include "BatchOptions.h"
#include "BatchRun.h"
#include "ReadBackRun.h"
#include "TempFileGuard.h"

#include <clocale>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    using namespace lumafold::batch;
    std::setlocale(LC_ALL, "");
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "lumafold-gen " << LUMAFOLD_VERSION << "\n";
        return kExitGenerated;
    }
    lumafold::GuardTempFilesAgainstSignals();
    std::string problem;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (IsReadBack(args)) {
        const auto readBack = ParseReadBack(args, problem);
        if (!readBack) {
            std::cerr << "lumafold-gen: " << problem << "\n\n" << UsageText();
            return kExitUsage;
        }
        try {
            return RunReadBack(*readBack, std::cout, std::cerr);
        } catch (const std::exception& e) {
            std::cerr << "lumafold-gen: error: " << e.what() << "\n";
            return kExitNotGenerated;
        }
    }
    const auto options = ParseArguments(args, problem);
    if (!options) {
        std::cerr << "lumafold-gen: " << problem << "\n\n" << UsageText();
        return kExitUsage;
    }
    if (options->help) {
        std::cout << UsageText();
        return kExitGenerated;
    }
    try {
        return RunBatch(*options, lumafold::SystemClock(), std::cout, std::cerr);
    } catch (const std::exception& e) {
        // Out of memory or a file system error the checks did not foresee.
        std::cerr << "lumafold-gen: error: " << e.what() << "\n";
        return kExitNotGenerated;
    }
}
