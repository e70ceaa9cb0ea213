// Runs ended from outside: by a signal while the source is being written, by
// SIGKILL, or by a file size limit. Each runs in a child process; afterwards
// the directory holds what it held before, with no temporary file.
#include "AtomicFile.h"
#include "AwlSourceFile.h"
#include "TempDir.h"
#include "TempFileGuard.h"
#include "TreeSnapshot.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumafold::test {
namespace {

// A plan of VarList sites: nothing to read from disk.
BlockPlan SitePlan() {
    BlockPlan plan;
    plan.indexDB = 900;
    for (int j = 1; j <= 3; ++j) {
        PlannedEntry e;
        e.position = j;
        e.listPosition = j;
        e.name = e.source = e.nameCp = e.sourceCp = "varlist" + std::to_string(j) + ".txt";
        e.site = true;
        e.length = kSiteBytes;
        e.dbNumber = 900 + j;
        plan.entries.push_back(e);
    }
    return plan;
}

// Sends the signal to its own process once the first content block is due,
// when the temporary file is open and half written.
class SignalMidway final : public WriteProgress {
public:
    explicit SignalMidway(int signal) : signal_(signal) {}
    void BlockStarted(const PlannedEntry&) override {
        if (signal_ != 0) ::raise(signal_);
    }
    int32_t BeforeDwordLine(int32_t) override { return 1; }

private:
    int signal_;
};

// How the child ended: its exit code, or 128 + the signal that ended it.
int Ended(pid_t child) {
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return -1;
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

// Writes the plan to target in a child process whose disposition for a
// signal is set up as the programs set it up, then raises the signal midway.
int WriteInChild(const std::string& target, int signal, bool signalIgnoredBefore) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (signalIgnoredBefore) std::signal(signal, SIG_IGN);
        GuardTempFilesAgainstSignals();
        SignalMidway progress(signal);
        const auto failure = WriteAwlSource(target, SitePlan(), "stamp", &progress);
        ::_exit(failure ? 1 : 0);
    }
    return Ended(child);
}

TEST(Signals, AnInterruptedWriteLeavesTheOlderFileAndNoTemporaryFile) {
    struct Case {
        const char* what;
        int signal;
        bool ignoredBefore;  // as under nohup
        int ended;
        bool replaced;
    };
    const Case cases[] = {
        {"SIGINT", SIGINT, false, 128 + SIGINT, false},
        {"SIGTERM", SIGTERM, false, 128 + SIGTERM, false},
        {"SIGHUP", SIGHUP, false, 128 + SIGHUP, false},
        {"SIGHUP under nohup", SIGHUP, true, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string target = dir.Write("site.AWL", "older source");
        dir.Write("index.htm", "<html></html>");
        const TreeSnapshot before = SnapshotOf(dir.Path());
        EXPECT_EQ(WriteInChild(target, c.signal, c.ignoredBefore), c.ended);
        const TreeSnapshot after = SnapshotOf(dir.Path());
        EXPECT_EQ(Without(after, "site.AWL"), Without(before, "site.AWL"));
        EXPECT_EQ(after.at("site.AWL") != before.at("site.AWL"), c.replaced);
    }
}

TEST(Signals, TheNextRunRemovesWhatAKilledRunLeft) {
    TempDir dir;
    const std::string target = dir.Write("site.AWL", "older source");
    const TreeSnapshot before = SnapshotOf(dir.Path());
    EXPECT_EQ(WriteInChild(target, SIGKILL, false), 128 + SIGKILL);
    // SIGKILL cannot be caught: its temporary file stays, under a name that
    // says what it is, and the older source is untouched.
    const std::vector<std::string> left = NamesIn(dir.Path());
    ASSERT_EQ(left.size(), 2u);
    EXPECT_TRUE(left[0].starts_with(".site.AWL.") && left[0].ends_with(".tmp")) << left[0];
    EXPECT_EQ(ReadFile(target), "older source");
    // Another target in the same directory leaves it alone; the same target removes it.
    ASSERT_FALSE(WriteAwlSource(dir.File("other.AWL"), SitePlan(), "stamp"));
    EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{left[0], "other.AWL", "site.AWL"}));
    ASSERT_FALSE(WriteAwlSource(target, SitePlan(), "stamp"));
    EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{"other.AWL", "site.AWL"}));
    EXPECT_NE(ReadFile(target), "older source");
    EXPECT_EQ(before.size(), 1u);
}

TEST(Signals, ALiveRunsTemporaryFileIsNotTakenForALeftOne) {
    TempDir dir;
    const std::string target = dir.File("site.AWL");
    AtomicFile live(kFreshFile);
    ASSERT_FALSE(live.Open(target));
    ASSERT_FALSE(live.Append("live run", 8));
    ASSERT_FALSE(WriteAwlSource(target, SitePlan(), "stamp"));
    ASSERT_FALSE(live.Commit());
    EXPECT_EQ(ReadFile(target), "live run");
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"site.AWL"});
}

TEST(Signals, AFileSizeLimitEndsLumafoldGenWithExitCode3AndAMessage) {
    TempDir dir;
    dir.WriteSized("big.gif", 32767);
    dir.Write("site.F2D", "[SETTINGS]\r\n\r\n[FILES]\r\nFILE_1=big.gif\r\n\r\n");
    const std::string target = dir.Write("site.AWL", "older source");
    const TreeSnapshot before = SnapshotOf(dir.Path());
    int err[2];
    ASSERT_EQ(::pipe(err), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 20000;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::dup2(err[1], 2);
        ::execl(LUMAFOLD_GEN, LUMAFOLD_GEN, dir.File("site.F2D").c_str(), "-o", target.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(err[1]);
    std::string said;
    char buf[512];
    for (ssize_t n; (n = ::read(err[0], buf, sizeof buf)) > 0;) said.append(buf, static_cast<size_t>(n));
    ::close(err[0]);
    EXPECT_EQ(Ended(child), 3) << said;
    EXPECT_NE(said.find("AWL source \"" + target + "\" can't be written: File too large"), std::string::npos) << said;
    EXPECT_EQ(SnapshotOf(dir.Path()), before);
}

} // namespace
} // namespace lumafold::test
