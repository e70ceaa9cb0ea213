// cellora-host: a small container that embeds controls registered in the
// per-user registry file. Options: --server PATH (the server file the Server
// menu registers), --run (create CELLORA.GameOfLifeCtrl.1 and start it),
// --properties (then show its property page), --help, --version.
#include "HostWindow.h"
#include "RegistryFile.h"
#include "ServerLibrary.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage =
    "Usage: cellora-host [--server PATH] [--run [--properties]]\n"
    "A container for the controls registered in the per-user registry file.\n"
    "\n"
    "  --server PATH  the server file that Server > Register registers\n"
    "                 (default: the installed CELLORA.OCX)\n"
    "  --run          create CELLORA.GameOfLifeCtrl.1 and start it\n"
    "  --properties   with --run: then show its property page\n"
    "  -h, --help     this text\n"
    "  --version      the program's version\n";

// The server installed beside the container (its place relative to the
// program, so that an installed tree can move), else the one of the build.
std::string DefaultServer() {
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath(CELLORA_INSTALLED_SERVER);
    if (QFileInfo(installed).isFile()) return QDir::cleanPath(installed).toStdString();
    return CELLORA_BUILD_SERVER;
}

constexpr const char* kLifeControl = "CELLORA.GameOfLifeCtrl.1";

// --run right after installing: nothing is registered yet, so the server
// registers itself first, as Server > Register would.
void RegisterUnlessKnown(const std::string& server) {
    const auto registry = RegistryFile().Read();
    if (registry && FindControl(*registry, kLifeControl)) return;
    ServerLibrary library(server);
    if (library.Loaded()) library.RegisterServer();
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before any window exists, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("cellora-host %s\n", CELLORA_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    std::string server = DefaultServer();
    const int at = static_cast<int>(args.indexOf("--server"));
    if (at >= 0 && at + 1 < args.size())
        server = args[at + 1].toStdString();
    const bool run = args.contains("--run");
    if (run) RegisterUnlessKnown(server);
    HostWindow window(server);
    window.show();
    const bool created = run && window.CreateControl(kLifeControl);
    if (created) {
        window.InvokeMethod(2);
        if (args.contains("--properties"))
            QTimer::singleShot(1500, &window, [&window] { window.ShowProperties(); });
    }
    // For tests of an installed tree: which server, and whether the control runs.
    if (qEnvironmentVariableIsSet("CELLORA_HOST_QUIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, &window, [&server, created] {
            std::printf("server: %s\ncontrol: %s\n", server.c_str(), created ? "running" : "none");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
