// The Save dialog's suggestion: the AWL source, else the project file less its
// extension, else the program's own directory.
#include "GenerateCommand.h"
#include "GeneratorFixture.h"

namespace lumafold::test {
namespace {

struct SuggestionCase {
    const char* label;
    const char* awlDir;
    const char* awlFile;
    const char* projectDir;
    const char* projectFile;
    const char* initDir;
    const char* fileName;
};

class SuggestionTest : public GeneratorTest, public ::testing::WithParamInterface<SuggestionCase> {};

TEST_P(SuggestionTest, DialogSuggestsDirectoryAndName) {
    const SuggestionCase& c = GetParam();
    Project& prj = ctx.project;
    prj.awlDir = c.awlDir;
    prj.awlFile = c.awlFile;
    prj.projectDir = c.projectDir;
    prj.projectFile = c.projectFile;
    const FileDialog d = GenerateCommand::SaveDialog(ctx);
    EXPECT_EQ(d.InitDir, c.initDir);
    EXPECT_EQ(d.FileName, c.fileName);
    EXPECT_EQ(d.kind, FileDialog::Kind::Save);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SuggestionTest,
    ::testing::Values(
        SuggestionCase{"AwlSourceWins", "/out/", "site.AWL", "/prj/", "site.F2D", "/out/", "site.AWL"},
        SuggestionCase{"AwlSourceWithoutProject", "/out/", "old.AWL", "", "", "/out/", "old.AWL"},
        SuggestionCase{"ProjectLessExtension", "", "", "/prj/", "shop.F2D", "/prj/", "shop"},
        SuggestionCase{"AwlDirWithoutNameFallsToProject", "/out/", "", "/prj/", "shop.F2D", "/prj/", "shop"},
        SuggestionCase{"AwlNameWithoutDirFallsToProject", "", "x.AWL", "/prj/", "shop.F2D", "/prj/", "shop"},
        SuggestionCase{"ShortProjectNameKept", "", "", "/prj/", "a.F2", "/prj/", "a.F2"},
        SuggestionCase{"NeitherGivesProgramDir", "", "", "", "", "/opt/lumafold/", ""},
        SuggestionCase{"ProjectDirWithoutNameGivesProgramDir", "", "", "/prj/", "", "/opt/lumafold/", ""}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace lumafold::test
