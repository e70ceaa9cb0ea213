// Lumafold: the workbench window. lumafold [PROJECT.F2D] opens the project
// file given, as the Open command would; the browser opens at the current
// directory.
#include "GUI.h"
#include "QtPrompter.h"
#include "QtReportPrinter.h"
#include "TempFileGuard.h"
#include "TitleText.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr int kExitUsage = 2;

const char* const kUsage =
    "Usage: lumafold [PROJECT.F2D]\n"
    "Opens the workbench window, with the project file given if any; a name\n"
    "that does not exist yet starts an empty project under that name.\n"
    "\n"
    "  -h, --help     this text\n"
    "      --version  the program's version\n";

// Answered before any window exists, so that they work without a display.
std::optional<int> InformationRequested(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("lumafold %s (%s)\n", LUMAFOLD_VERSION, lumafold::kTitleText);
            return 0;
        }
    }
    return std::nullopt;
}

// The project named on what Qt left of the command line: empty when none;
// nullopt (after the usage on stderr) for anything else.
std::optional<QString> ProjectArgument(QStringList args) {
    args.removeFirst();
    bool optionsEnd = false;
    QString project;
    for (const QString& arg : args) {
        if (!optionsEnd && arg == "--") {
            optionsEnd = true;
        } else if (!optionsEnd && arg.startsWith('-') && arg != "-") {
            std::fprintf(stderr, "lumafold: unknown option %s\n\n%s", qPrintable(arg), kUsage);
            return std::nullopt;
        } else if (!project.isEmpty()) {
            std::fprintf(stderr, "lumafold: one project file at most\n\n%s", kUsage);
            return std::nullopt;
        } else {
            project = arg;
        }
    }
    return project;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto exitCode = InformationRequested(argc, argv)) return *exitCode;
    // Time stamps follow the user's locale for date and time.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_TIME, "");
    // An interrupted Save or Generate leaves no temporary file behind.
    lumafold::GuardTempFilesAgainstSignals();
    QApplication app(argc, argv);
    QApplication::setApplicationName(lumafold::SettingsApplication());
    QApplication::setOrganizationName(lumafold::SettingsApplication());
    // Qt sets the C locale's numbers from the environment too; text to and
    // from files is handled byte by byte, so only LC_TIME matters here.
    std::setlocale(LC_TIME, "");
    const auto project = ProjectArgument(QApplication::arguments());
    if (!project) return kExitUsage;

    lumafold::QtPrompter prompter;
    lumafold::SystemClock clock;
    QSettings settings;
    std::string programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString();
    if (!programDir.ends_with('/')) programDir += '/';
    lumafold::GUI window(prompter, clock, programDir, QDir::currentPath(), settings);
    prompter.SetOwner(&window);
    // The report prints on the printer that the print dialog set up.
    lumafold::QtReportPrinter printer(prompter.Printer());
    window.Model().SetPrinter(&printer);
    window.show();
    if (!project->isEmpty()) {
        window.Model().OpenProjectFile(QFileInfo(*project).absoluteFilePath().toStdString());
        window.Refresh();
    }
    // For the start-up benchmark and the package test: say so once the window
    // is up, with its title, then end.
    if (qEnvironmentVariableIsSet("LUMAFOLD_QUIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, &window, [&window] {
            std::printf("title: %s\nshown\n", qPrintable(window.windowTitle()));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
