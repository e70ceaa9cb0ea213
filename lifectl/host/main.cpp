// cellora-host: a small container that embeds controls registered in the
// per-user registry file. Options: --server PATH (the server file the Server
// menu registers), --run (create CELLORA.GameOfLifeCtrl.1 and start it),
// --properties (then show its property page).
#include "HostWindow.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    std::string server = CELLORA_DEFAULT_SERVER;
    const int at = static_cast<int>(args.indexOf("--server"));
    if (at >= 0 && at + 1 < args.size())
        server = args[at + 1].toStdString();
    HostWindow window(server);
    window.show();
    if (args.contains("--run") && window.CreateControl("CELLORA.GameOfLifeCtrl.1")) {
        window.InvokeMethod(2);
        if (args.contains("--properties"))
            QTimer::singleShot(1500, &window, [&window] { window.ShowProperties(); });
    }
    return app.exec();
}
