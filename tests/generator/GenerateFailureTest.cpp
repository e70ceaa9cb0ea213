// Generate runs that cannot complete: the output cannot be written, or the
// user answers No to a later question. Nothing on disk is lost either way.
#include "GenerateCommand.h"
#include "GeneratorFixture.h"
#include "Paths.h"
#include "UnprivilegedScope.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace lumafold::test {
namespace {

class GenerateFailureTest : public GeneratorTest {
protected:
    void Run() { GenerateCommand(ctx, [this] { return ms += 30; }).Run(); }
    // Expects the failure box for out and the run ended with the window as before.
    void ExpectWriteFailure(const std::string& out, const std::string& reason) {
        ASSERT_FALSE(prompter.Messages().empty());
        const Message m = prompter.Messages().back();
        EXPECT_EQ(m.text, "AWL source \"" + out + "\" can't be written: " + reason + " \r\nNo source generated");
        EXPECT_EQ(m.icon, Icon::Error);
        EXPECT_EQ(ctx.el.Caption, "");
        EXPECT_EQ(ctx.el.Label2, "");
        EXPECT_EQ(hooks.refreshes, 0);
    }
    int64_t ms = 0;
};

TEST_F(GenerateFailureTest, ReadOnlyDirectoryKeepsTheOlderSource) {
    AddFile("a.htm", "aaaa");
    const std::string outDir = dir.MakeDir("out");
    const std::string out = dir.Write("out/site.AWL", "older source");
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);  // the sources stay readable
    ASSERT_EQ(::chmod(outDir.c_str(), 0555), 0);
    prompter.AnswerFileDialog(FileChoice{out, "site.AWL"}).AnswerMessage(Answer::OK);
    {
        UnprivilegedScope unprivileged;
        Run();
    }
    ExpectWriteFailure(out, "Permission denied");
    EXPECT_EQ(ReadFile(out), "older source");
    EXPECT_EQ(NamesIn(outDir), std::vector<std::string>{"site.AWL"});
}

// Lets the files this process writes grow to at most limit bytes, as a full
// disk would, and turns the signal for a larger file into a failed write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = limit;
        ok_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Ok() const { return ok_; }

private:
    rlimit old_{};
    void (*oldSignal_)(int) = SIG_DFL;
    bool ok_ = false;
};

TEST_F(GenerateFailureTest, FullDiskKeepsTheOlderSourceAndLeavesNoPart) {
    // Some 320 KB of AWL text: more than the writer's buffer holds at once.
    for (const char* name : {"a.gif", "b.gif", "c.gif", "d.gif"}) {
        dir.WriteSized(name, 8000);
        AddEntry(name, dir.Path());
    }
    const std::string out = dir.Write("site.AWL", "older source");
    const std::vector<std::string> before = NamesIn(dir.Path());
    prompter.AnswerFileDialog(FileChoice{out, "site.AWL"}).AnswerMessage(Answer::OK);
    {
        FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.Ok());
        Run();
    }
    ExpectWriteFailure(out, "File too large");
    EXPECT_EQ(ReadFile(out), "older source");
    EXPECT_EQ(NamesIn(dir.Path()), before);
}

// The Save dialog may name a file of the project, itself or through a link:
// the run says so and the file keeps its bytes.
TEST_F(GenerateFailureTest, AnOutputThatIsOneOfTheSourcesIsRefused) {
    AddFile("index.htm", "<html></html>");
    AddFile("logo.gif", "GIF89a");
    ASSERT_EQ(::symlink(dir.File("logo.gif").c_str(), dir.File("link.AWL").c_str()), 0);
    struct Case {
        std::string chosen;
        std::string source;
    };
    for (const Case& c : {Case{dir.File("index.htm"), dir.File("index.htm")}, Case{dir.File("link.AWL"), dir.File("logo.gif")}}) {
        SCOPED_TRACE(c.chosen);
        const std::vector<std::string> before = NamesIn(dir.Path());
        prompter.AnswerFileDialog(FileChoice{c.chosen, GetFileName(c.chosen)}).AnswerMessage(Answer::OK);
        Run();
        ExpectWriteFailure(c.chosen, "it is the file \"" + c.source + "\" of the project, which would be lost");
        EXPECT_EQ(ReadFile(dir.File("index.htm")), "<html></html>");
        EXPECT_EQ(ReadFile(dir.File("logo.gif")), "GIF89a");
        EXPECT_EQ(NamesIn(dir.Path()), before);
    }
}

TEST_F(GenerateFailureTest, NoAfterAnEarlierYesWritesNothing) {
    dir.WriteSized("big.gif", 32768);
    AddEntry("big.gif", dir.Path());
    AddFile("ok.htm", "ok");
    AddFile("empty.htm", "");
    const std::string old = dir.Write("site.AWL", "older source");
    ctx.project.awlDir = dir.Path() + "/";
    ctx.project.awlFile = "site.AWL";
    ctx.project.AWLTimeStamp = "01.01.2001 10:00:00";
    ctx.el.Label2 = "status before";
    const std::vector<std::string> before = NamesIn(dir.Path());
    // Yes leaves big.gif out; No to the empty file ends the run: no Save
    // dialog follows (the scripted prompter would fail on one) and no message.
    prompter.AnswerMessage(Answer::Yes).AnswerMessage(Answer::No);
    Run();
    ASSERT_EQ(prompter.Messages().size(), 2u);
    EXPECT_EQ(prompter.Messages()[1].buttons, Buttons::YesNo);
    EXPECT_EQ(ctx.project.AWLSource(), old);
    EXPECT_EQ(ctx.project.AWLTimeStamp, "01.01.2001 10:00:00");
    EXPECT_EQ(ctx.el.Label2, "status before");
    EXPECT_EQ(hooks.events, 0);
    EXPECT_EQ(ReadFile(old), "older source");
    EXPECT_EQ(NamesIn(dir.Path()), before);
}

} // namespace
} // namespace lumafold::test
