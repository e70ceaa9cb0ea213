// How long loading a project file takes: the largest project a plan can hold
// (1022 entries), a hand-made file of 100 000 entries and 16 MB of entries.
// Loading stops taking entries once no plan could hold them, and finds
// duplicates through an index, so the last two cost about what the first does.
// Every figure is the best of a few runs.
// Usage: lumafold_load_bench [DIRECTORY] [RUNS]
#include "BenchPrompter.h"
#include "ProjectEditor.h"
#include "ProjectStore.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace lumafold::bench {
namespace {

namespace fs = std::filesystem;

struct Loaded {
    double seconds = 0;
    int entries = 0;
    size_t messages = 0;
    std::string lastMessage;
};

// LoadProject as Open calls it, on a fresh project each run; the best run.
Loaded Load(const fs::path& project, int runs) {
    Loaded best{1e30, 0, 0, ""};
    for (int i = 0; i < runs; ++i) {
        BenchPrompter prompter(project.string(), "");
        SystemClock clock;
        WindowHooks hooks;
        ProjectContext ctx(prompter, clock, hooks, "/");
        ProjectEditor editor(ctx);
        ProjectStore store(ctx, editor);
        const auto start = std::chrono::steady_clock::now();
        store.LoadProject(project.filename().string(), project.parent_path().string() + "/");
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::string last = prompter.LastMessage();
        for (size_t p = 0; (p = last.find("\r\n", p)) != std::string::npos;) last.replace(p, 2, " / ");
        if (s < best.seconds) best = Loaded{s, ctx.project.files.Count(), prompter.Messages(), last};
    }
    return best;
}

// A project file listing files/f1.htm ... files/fN.htm, of which the first
// existing ones are on disk; at least minBytes long when minBytes is given.
fs::path WriteProject(const fs::path& dir, const std::string& name, int entries, size_t minBytes = 0) {
    std::string text = "[SETTINGS]\r\nIndexDB=1\r\nPRJTimeStamp=bench\r\n\r\n[FILES]\r\n";
    for (int i = 1; i <= entries || text.size() < minBytes; ++i)
        text += "FILE_" + std::to_string(i) + "=files/f" + std::to_string(i) + ".htm\r\n";
    if (minBytes > 0) text.resize(minBytes);
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

void Report(const char* what, const fs::path& project, const Loaded& l) {
    std::printf("%-28s %10.3f s  %9ju bytes  %5d entries  %zu messages, the last: %.110s\n", what, l.seconds,
                static_cast<uintmax_t>(fs::file_size(project)), l.entries, l.messages, l.lastMessage.c_str());
}

int Main(int argc, char** argv) {
    const fs::path base = argc > 1 ? argv[1] : "/tmp";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const fs::path dir = base / "lumafold-load-bench";
    fs::remove_all(dir);
    fs::create_directories(dir / "files");
    for (int i = 1; i <= 1022; ++i) std::ofstream(dir / "files" / ("f" + std::to_string(i) + ".htm")) << i;

    const fs::path full = WriteProject(dir, "full.F2D", 1022);
    const fs::path many = WriteProject(dir, "many.F2D", 100000);
    const fs::path huge = WriteProject(dir, "huge.F2D", 0, kMaxProjectFileBytes);
    Report("1022 entries", full, Load(full, runs));
    Report("100 000 entries", many, Load(many, runs));
    Report("16 MB of entries", huge, Load(huge, runs));
    fs::remove_all(dir);
    return 0;
}

} // namespace
} // namespace lumafold::bench

int main(int argc, char** argv) { return lumafold::bench::Main(argc, argv); }
