// The window during a Generate run: it repaints, but every other command and
// the close box wait until the run has ended.
#include "WindowFixture.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace lumafold::test {
namespace {

struct Glance {
    bool busy;
    std::string label;
    int value, maximum;
    size_t rows;
};

class GenerateWindowTest : public WindowTest {
protected:
    GenerateWindowTest() {
        for (int i = 1; i <= 20; ++i) site.WriteSized("page" + std::to_string(100 + i) + ".htm", 32767);
    }
    void AddEverything() {
        QStringList names;
        for (int i = 1; i <= 20; ++i) names << QString("page%1.htm").arg(100 + i);
        PickFiles(names);
        Click(Find<QPushButton>("cmdAdd"));
        ASSERT_EQ(ListRows().size(), 20u);
    }
};

TEST_F(GenerateWindowTest, CommandsAndTheCloseBoxWaitForTheRunToEnd) {
    Open();
    AddEverything();
    const std::string awl = site.File("big.AWL");
    prompter.AnswerFileDialog(FileChoice{awl, "big.AWL"}).AnswerMessage(Answer::OK).AnswerMessage(Answer::No);

    std::vector<Glance> seen;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        seen.push_back(Glance{gui->Model().Busy(), Find<QLabel>("Label2")->text().toStdString(),
                              Find<QProgressBar>("ProgressBar1")->value(),
                              Find<QProgressBar>("ProgressBar1")->maximum(), ListRows().size()});
        if (seen.size() > 1) return;
        // The person tries other things while the run goes on.
        Menu("mnuNew");
        PickListRows({"page101.htm"});
        Click(Find<QPushButton>("cmdRemove"));
        gui->close();
    });
    watch.start();
    Click(Find<QPushButton>("cmdGenerate"));
    watch.stop();

    ASSERT_FALSE(seen.empty()) << "the window was never let repaint";
    for (const Glance& g : seen) {
        EXPECT_TRUE(g.busy);
        EXPECT_EQ(g.rows, 20u) << "the project changed during the run";
        EXPECT_LE(g.value, g.maximum);
        EXPECT_TRUE(g.label.empty() || g.label.starts_with(site.Path() + "/page")) << g.label;
    }
    // The run ended, then the close asked for meanwhile happened, with its
    // offer to save.
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Source for DB900 to DB920 and UDT900 generated");
    EXPECT_EQ(messages[1].text, "Save ?");
    EXPECT_FALSE(gui->isVisible());
    const std::string text = ReadFile(awl);
    EXPECT_NE(text.find("DATA_BLOCK DB 920\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("END_DATA_BLOCK\r\n"));
}

TEST_F(GenerateWindowTest, ProgressBarIsBackAtRestAfterTheRun) {
    Open();
    AddEverything();
    prompter.AnswerFileDialog(FileChoice{site.File("big.AWL"), "big.AWL"}).AnswerMessage(Answer::OK);
    Click(Find<QPushButton>("cmdGenerate"));
    EXPECT_EQ(Find<QProgressBar>("ProgressBar1")->value(), 0);
    EXPECT_EQ(Find<QLabel>("Label2")->text(), "Source generated");
    for (const char* name : {"cmdRemove", "cmdGenerate"}) EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
    prompter.AnswerMessage(Answer::No);  // the offer to save at shut-down
}

} // namespace
} // namespace lumafold::test
