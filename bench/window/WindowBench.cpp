// The window's figures: the time from starting the program to its window
// shown, and the worst-case project (1022 files of 32767 bytes) generated
// through the window beside lumafold-gen on the same project in the same run.
// Each figure is the best of RUNS. With --snapshots DIR (under a real display)
// it also takes pictures of the screen with a project loaded and during the
// run, for looking at the layout.
#include "BenchPrompter.h"
#include "GUI.h"
#include "WorstCaseProject.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace lumafold::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "lumafold_window_bench: %s\n", what.c_str());
    std::exit(1);
}

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Starts a program with the given arguments and extra environment; returns
// its process id and a pipe from its standard output.
pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env, int& out) {
    int fds[2];
    if (::pipe(fds) != 0) Fail("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<std::string> envText(env);
    for (char** e = environ; *e; ++e) envText.emplace_back(*e);
    std::vector<char*> argv, envp;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    for (const auto& e : envText) envp.push_back(const_cast<char*>(e.c_str()));
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) Fail("cannot start " + args[0]);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    out = fds[0];
    return pid;
}

int Wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// From the start of the program to its line "shown".
double WindowUp(const std::string& settingsHome) {
    int out = -1;
    const auto start = Clock::now();
    const pid_t pid = Spawn({LUMAFOLD_PROGRAM}, {"LUMAFOLD_QUIT_WHEN_SHOWN=1", "XDG_CONFIG_HOME=" + settingsHome}, out);
    std::string seen;
    char buf[64];
    for (ssize_t n; seen.find("shown\n") == std::string::npos && (n = ::read(out, buf, sizeof buf)) > 0;)
        seen.append(buf, size_t(n));
    const double up = Since(start);
    ::close(out);
    if (seen.find("shown\n") == std::string::npos) Fail("lumafold never said its window was shown");
    Wait(pid);
    return up;
}

double BatchGenerate(const WorstCaseProject& p, const std::string& awl) {
    int out = -1;
    const auto start = Clock::now();
    const pid_t pid = Spawn({LUMAFOLD_GEN_PROGRAM, p.projectPath, "-o", awl}, {}, out);
    char buf[256];
    while (::read(out, buf, sizeof buf) > 0) {
    }
    const int rc = Wait(pid);
    const double took = Since(start);
    ::close(out);
    if (rc != 0) Fail("lumafold-gen ended with " + std::to_string(rc));
    return took;
}

void Snapshot(const std::string& file) {
    const std::string command = "import -window root '" + file + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "no snapshot: %s\n", command.c_str());
}

struct WindowTimes {
    double open = 0, generate = 0;
};

WindowTimes WindowGenerate(const WorstCaseProject& p, const std::string& awl, const std::string& home,
                           const std::string& snapshots) {
    BenchPrompter person(p.projectPath, awl);
    SystemClock clock;
    QSettings settings(QString::fromStdString(home + "/bench.conf"), QSettings::IniFormat);
    GUI window(person, clock, home + "/", QString::fromStdString(fs::path(p.projectPath).parent_path().string()),
               settings);
    window.show();
    QCoreApplication::processEvents();
    WindowTimes t;
    auto start = Clock::now();
    window.findChild<QAction*>("mnuOpen")->trigger();
    t.open = Since(start);
    if (window.Model().Prj().files.Count() != kWorstCaseFiles) Fail("the window did not load the whole project");
    QTimer shot;
    if (!snapshots.empty()) {
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
        Snapshot(snapshots + "/window-project.png");
        // Some way into the run, while a file is being packed.
        shot.setInterval(10);
        QObject::connect(&shot, &QTimer::timeout, [&, ticks = 0]() mutable {
            const Elements& el = window.Model().El();
            if (++ticks < 3 || el.Label2.empty() || el.ProgressBar1Value <= 0) return;
            Snapshot(snapshots + "/window-generating.png");
            shot.stop();
        });
        shot.start();
    }
    start = Clock::now();
    window.findChild<QPushButton*>("cmdGenerate")->click();
    t.generate = Since(start);
    if (!person.Generated()) Fail("Generate through the window did not end as generated: " + person.LastMessage());
    return t;
}

// The two sources less their second line, the moment each was generated.
bool SameSource(const std::string& a, const std::string& b) {
    auto body = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const size_t first = text.find('\n');
        const size_t second = first == std::string::npos ? first : text.find('\n', first + 1);
        return second == std::string::npos ? text : text.substr(0, first) + text.substr(second);
    };
    return body(a) == body(b);
}

} // namespace
} // namespace lumafold::bench

int main(int argc, char** argv) {
    using namespace lumafold::bench;
    int runs = 3;
    std::string snapshots;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--snapshots" && i + 1 < argc) snapshots = argv[++i];
        else runs = std::max(1, std::atoi(argv[i]));
    }
    if (snapshots.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    char pattern[] = "/tmp/lumafold-window-bench-XXXXXX";
    if (!::mkdtemp(pattern)) Fail("no temporary directory");
    const std::string dir = pattern;
    std::string error;
    const auto project = WriteWorstCaseProject(dir, error);
    if (!project) Fail(error);

    double up = 1e30, windowGen = 1e30, windowOpen = 1e30, batch = 1e30;
    for (int r = 0; r < runs; ++r) up = std::min(up, WindowUp(dir));
    for (int r = 0; r < runs; ++r) {
        const WindowTimes w = WindowGenerate(*project, dir + "/window.AWL", dir, r == 0 ? snapshots : "");
        windowGen = std::min(windowGen, w.generate);
        windowOpen = std::min(windowOpen, w.open);
        batch = std::min(batch, BatchGenerate(*project, dir + "/batch.AWL"));
    }
    const auto bytes = fs::file_size(dir + "/window.AWL");
    std::printf("window up (process start to shown): %8.1f ms   (target < 300 ms)\n", up * 1e3);
    std::printf("window Open of the project:         %8.1f ms\n", windowOpen * 1e3);
    std::printf("window Generate (%d files):       %8.1f ms   (%.1f MB AWL)\n", kWorstCaseFiles, windowGen * 1e3,
                double(bytes) / 1e6);
    std::printf("lumafold-gen (load and generate):   %8.1f ms\n", batch * 1e3);
    std::printf("window / lumafold-gen:              %8.2f     (target <= 1.30)\n", windowGen / batch);
    std::printf("window Open + Generate / lumafold-gen: %5.2f\n", (windowOpen + windowGen) / batch);
    std::printf("same AWL as lumafold-gen (less its time stamp): %s\n",
                SameSource(dir + "/window.AWL", dir + "/batch.AWL") ? "yes" : "no");
    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
