// How fast the worst-case project becomes an AWL source and back: the writer
// alone, the Generate command with its progress shown, the whole lumafold-gen
// process, xxd -i on the same input, a plain write loop of the same output
// size (the limit of the disk path), and the way back: the reader alone and
// the whole lumafold-gen --extract process. Every figure is the best of a
// few runs, so that other work on a shared machine counts as little as it
// can; every output is fsynced, as the atomic output does; the writer, the
// command, the process and the plain write take turns within each run.
// Usage: lumafold_packer_bench [DIRECTORY] [RUNS]   (say /dev/shm for a memory file system)
#include "AwlReader.h"
#include "AwlSourceFile.h"
#include "BenchPrompter.h"
#include "GenerateCommand.h"
#include "Planner.h"
#include "SourceFile.h"
#include "WorstCaseProject.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace lumafold::bench {
namespace {

namespace fs = std::filesystem;
using Seconds = double;

constexpr const char* kLumafoldGen = LUMAFOLD_GEN;

// One moment for every run, so that all outputs have the same size.
constexpr std::time_t kMoment = 1015337251;
class FixedMoment final : public Clock {
public:
    std::time_t Now() const override { return kMoment; }
};

template <typename F>
Seconds Timed(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename F>
Seconds Best(int runs, F&& f) {
    Seconds best = 1e30;
    for (int i = 0; i < runs; ++i) best = std::min(best, Timed(f));
    return best;
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "lumafold_packer_bench: %s\n", what.c_str());
    std::exit(1);
}

void Check(const std::optional<WriteFailure>& failure) {
    if (failure) Fail(failure->path + ": " + failure->reason);
}

// The writer on its own, through the same atomic output the command uses.
void WriteAwl(const BlockPlan& plan, const std::string& path) {
    Check(WriteAwlSource(path, plan, TimeStampText(kMoment)));
}

// One write loop of bytes bytes from a buffer of the writer's size.
void PlainWrite(const std::string& path, int64_t bytes) {
    std::vector<char> buf(size_t{1} << 20, 'D');
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Fail(path + ": cannot create");
    while (bytes > 0) {
        const ssize_t n = ::write(fd, buf.data(), static_cast<size_t>(std::min<int64_t>(bytes, buf.size())));
        if (n <= 0) Fail(path + ": write failed");
        bytes -= n;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) Fail(path + ": fsync failed");
}

// xxd -i input > output, then the output fsynced like the others.
void Xxd(const std::string& input, const std::string& output) {
    const pid_t pid = ::fork();
    if (pid < 0) Fail("fork failed");
    if (pid == 0) {
        const int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::dup2(fd, 1) < 0) ::_exit(126);
        ::execlp("xxd", "xxd", "-i", input.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Fail("xxd -i failed (is xxd installed?)");
    const int fd = ::open(output.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0 || ::close(fd) != 0) Fail(output + ": fsync failed");
}

// A program run to its end with its output thrown away; it must succeed.
void RunProgram(const std::vector<std::string>& args) {
    const pid_t pid = ::fork();
    if (pid < 0) Fail("fork failed");
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null < 0 || ::dup2(null, 1) < 0) ::_exit(126);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Fail(args[0] + " " + args[1] + " failed");
}

// The reader alone: the source read and checked, every file's bytes in memory.
void ReadAwl(const std::string& path) {
    std::string reason;
    auto file = extract::SourceFile::Open(path, reason);
    if (!file) Fail(path + ": " + reason);
    const extract::AwlReadResult r = extract::ReadAwlSource(*file);
    if (!r.content || r.content->files.size() != static_cast<size_t>(kWorstCaseFiles))
        Fail(path + ":" + std::to_string(r.problem.line) + ": " + r.problem.text);
}

// The window's share of a run: it reads what it would paint and counts the calls.
class PaintingHooks final : public WindowHooks {
public:
    void Watch(const Elements& el) { el_ = &el; }
    void ProcessPendingEvents() override {
        ++calls;
        for (char c : el_->Label2) checksum = checksum * 31 + static_cast<unsigned char>(c);
        checksum += static_cast<uint64_t>(el_->ProgressBar1Value) * 1000 / std::max(1, el_->ProgressBar1Max);
    }
    long calls = 0;
    uint64_t checksum = 0;

private:
    const Elements* el_ = nullptr;
};

struct CommandRun {
    long eventCalls = 0;
};

CommandRun RunCommand(const Project& project, const std::string& path) {
    BenchPrompter prompter("", path);
    FixedMoment clock;
    PaintingHooks hooks;
    ProjectContext ctx(prompter, clock, hooks, "/");
    hooks.Watch(ctx.el);
    ctx.project = project;
    GenerateCommand(ctx).Run();
    if (!prompter.Generated()) Fail("Generate did not complete: " + prompter.LastMessage());
    return CommandRun{hooks.calls};
}

std::string Concatenated(const WorstCaseProject& w, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& f : w.files) out << std::ifstream(f, std::ios::binary).rdbuf();
    if (!out.flush()) Fail(path + ": cannot write");
    return path;
}

double MBps(int64_t bytes, Seconds s) { return static_cast<double>(bytes) / 1e6 / s; }

int Main(int argc, char** argv) {
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::string base = argc > 1 ? argv[1] : "/tmp";
    std::string dir = base + "/lumafold-bench-XXXXXX";
    if (!::mkdtemp(dir.data())) Fail(base + ": cannot make a directory there");

    std::string error;
    const auto worst = WriteWorstCaseProject(dir, error);
    if (!worst) Fail(error);
    const int64_t input = worst->inputBytes;
    PlanResult planned;
    const Seconds planning = Best(runs, [&] {
        planned = MakePlan(worst->project.IndexDB, worst->project.files,
                           [](const Questionable&) { return Decision::EndRun; });
    });
    if (!planned.plan) Fail("the worst-case project did not plan");

    // The writer, the command, the process and the plain write take turns on
    // the same target, so that all meet the same page cache and the same load
    // of the machine. Each finds no file there: replacing an older output of
    // this size costs a disk a good part of a run, which would go to whichever
    // came second.
    Seconds writer = 1e30, generate = 1e30, process = 1e30, plain = 1e30;
    CommandRun command;
    int64_t output = 0;
    for (int i = 0; i < runs; ++i) {
        writer = std::min(writer, Timed([&] { WriteAwl(*planned.plan, worst->awlPath); }));
        output = static_cast<int64_t>(fs::file_size(worst->awlPath));
        fs::remove(worst->awlPath);
        generate = std::min(generate, Timed([&] { command = RunCommand(worst->project, worst->awlPath); }));
        if (fs::file_size(worst->awlPath) != static_cast<uintmax_t>(output)) Fail("command output differs in size");
        fs::remove(worst->awlPath);
        process = std::min(process, Timed([&] { RunProgram({kLumafoldGen, worst->projectPath, "-o", worst->awlPath}); }));
        if (fs::file_size(worst->awlPath) != static_cast<uintmax_t>(output)) Fail("lumafold-gen output differs in size");
        fs::remove(worst->awlPath);
        plain = std::min(plain, Timed([&] { PlainWrite(dir + "/plain.out", output); }));
        fs::remove(dir + "/plain.out");
    }
    const std::string joined = Concatenated(*worst, dir + "/input.bin");
    const Seconds xxd = Best(runs, [&] { Xxd(joined, dir + "/input.xxd"); });
    fs::remove(dir + "/input.xxd");

    // The way back, from the source the writer writes.
    WriteAwl(*planned.plan, worst->awlPath);
    const Seconds reader = Best(runs, [&] { ReadAwl(worst->awlPath); });
    const std::string extracted = dir + "/extracted";
    const Seconds extract = Best(runs, [&] {
        fs::remove_all(extracted);
        RunProgram({kLumafoldGen, "--extract", worst->awlPath, "-d", extracted});
    });
    fs::remove(worst->awlPath);

    std::printf("worst case: %lld input bytes in %d files, %lld AWL bytes, best of %d runs, in %s\n",
                static_cast<long long>(input), kWorstCaseFiles, static_cast<long long>(output), runs, base.c_str());
    std::printf("  planning       %8.3f s  (part of Generate, not of the writer)\n", planning);
    std::printf("  AWL writer     %8.3f s  %8.1f MB/s of input\n", writer, MBps(input, writer));
    // Where the disk is the limit, even the plain write may not reach 10x.
    std::printf("  xxd -i         %8.3f s  %8.1f MB/s of input   writer is %.1fx faster (target >= 10x; "
                "the plain write would be %.1fx)\n",
                xxd, MBps(input, xxd), xxd / writer, xxd / plain);
    std::printf("  plain write    %8.3f s  %8.1f MB/s of output  writer takes %.2fx its time (target <= 2x)\n", plain,
                MBps(output, plain), writer / plain);
    std::printf("  Generate       %8.3f s  %8.1f MB/s of input   %.2fx the writer (target <= 1.2x), %.2fx the plain "
                "write; %ld event calls\n",
                generate, MBps(input, generate), generate / writer, generate / plain, command.eventCalls);
    std::printf("  lumafold-gen   %8.3f s  %8.1f MB/s of input   %.2fx the plain write (target <= 1.5x), %.2fx the "
                "writer\n",
                process, MBps(input, process), process / plain, process / writer);
    std::printf("  AWL reader     %8.3f s  %8.1f MB/s of output  %.2fx the writer's time\n", reader,
                MBps(output, reader), reader / writer);
    std::printf("  --extract      %8.3f s  %8.1f MB/s of output  %.2fx the writer's time (target <= 1x), %.2fx "
                "lumafold-gen's\n",
                extract, MBps(output, extract), extract / writer, extract / process);
    fs::remove_all(dir);
    return 0;
}

} // namespace
} // namespace lumafold::bench

int main(int argc, char** argv) { return lumafold::bench::Main(argc, argv); }
