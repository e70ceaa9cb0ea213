// Lumafold: the workbench window. It takes no arguments; the browser opens at
// the current directory.
#include "GUI.h"
#include "QtPrompter.h"
#include "QtReportPrinter.h"
#include "TempFileGuard.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTimer>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
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
    // For the start-up benchmark: say so once the window is up, then end.
    if (qEnvironmentVariableIsSet("LUMAFOLD_QUIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, &window, [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
