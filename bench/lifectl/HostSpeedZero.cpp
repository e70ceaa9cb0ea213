// cellora-host's window with the Life control running at Speed 0 for ten
// seconds (or the seconds given): the share of one core the process used, and
// how many generations the control computed. Run it on a display (xvfb-run).
#include "ControlWidget.h"
#include "HostWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// Counts the paints of the control's window: one for each generation shown.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
};

double CpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const auto registry = std::filesystem::temp_directory_path() / ("cellora-speed0-" + std::to_string(::getpid()));
    ::setenv("CELLORA_REGISTRY", registry.c_str(), 1);

    HostWindow window(CELLORA_OCX_PATH);
    window.show();
    window.findChild<QMenu*>("mnuServer")->actions().at(0)->trigger();
    if (!window.CreateControl("CELLORA.GameOfLifeCtrl.1")) {
        std::fprintf(stderr, "the control cannot be created\n");
        return 1;
    }
    window.findChild<QSpinBox*>("txtSpeed")->setValue(0);
    window.findChild<QPushButton*>("cmdSetSpeed")->click();
    window.InvokeMethod(2);

    PaintCounter counter;
    window.findChild<ControlWidget*>("GameOfLifeWindow")->installEventFilter(&counter);
    QElapsedTimer wall;
    const double cpuBefore = CpuSeconds();
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    const int result = app.exec();
    const double cpu = CpuSeconds() - cpuBefore;
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    window.ReleaseControl();
    window.findChild<QMenu*>("mnuServer")->actions().at(1)->trigger();
    std::filesystem::remove(registry);
    std::printf("Speed 0 for %.1f s: %.2f s of CPU, %.1f %% of one core, %d paints of the control\n", elapsed, cpu,
                100.0 * cpu / elapsed, counter.paints);
    return result;
}
