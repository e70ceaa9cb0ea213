// The IndexDB field MaskEdBox1 in the window: entered with a click, left with
// Tab; only a move of the focus to another element validates it.
#include "WindowFixture.h"

#include <QApplication>
#include <QLineEdit>

namespace lumafold::test {
namespace {

// What the field takes and what it refuses, each typed and left with Tab.
struct IndexCase {
    const char* typed;
    bool accepted;
    int indexDB;
    bool modified;
};

void PrintTo(const IndexCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class IndexDBFieldTest : public WindowTest, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(IndexDBFieldTest, ValueTakenOnlyWhenTheFocusMovesOn) {
    const IndexCase& c = GetParam();
    Open();
    clock.Advance(3600);
    if (!c.accepted) prompter.AnswerMessage(Answer::OK);
    EnterIndexDB(c.typed);
    const Project& prj = gui->Model().Prj();
    EXPECT_EQ(prj.IndexDB, c.indexDB);
    EXPECT_EQ(prj.modified, c.modified);
    EXPECT_EQ(prompter.Messages().size(), c.accepted ? 0u : 1u);
    auto* field = Find<QLineEdit>("MaskEdBox1");
    EXPECT_EQ(QApplication::focusWidget() == field, !c.accepted);
    if (c.accepted) {
        EXPECT_EQ(field->displayText().trimmed(), QString(c.typed)) << "the text stays as typed";
    } else {
        EXPECT_EQ(field->displayText(), "900 ");
    }
    if (c.modified) {
        EXPECT_EQ(prj.PRJTimeStamp, TimeStampText(clock));
        prompter.AnswerMessage(Answer::No);  // the offer to save at shut-down
    }
}

const IndexCase kIndexCases[] = {
    {"0", false, 900, false},    {"1024", false, 900, false}, {"9999", false, 900, false},
    {"", false, 900, false},     {"1", true, 1, true},        {"1023", true, 1023, true},
    {"900", true, 900, false},   {"0900", true, 900, false},  {"901", true, 901, true},
};

INSTANTIATE_TEST_SUITE_P(Typed, IndexDBFieldTest, ::testing::ValuesIn(kIndexCases));

class IndexDBTypingTest : public WindowTest {};

TEST_F(IndexDBTypingTest, BeingTypedIsNotYetTakenByAMenuCommand) {
    Open();
    TypeIndexDB("77");
    Menu("mnuNew");
    EXPECT_EQ(gui->Model().Prj().IndexDB, 900);
    EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>("MaskEdBox1"));
    EXPECT_FALSE(gui->Model().Prj().modified);
}

} // namespace
} // namespace lumafold::test
