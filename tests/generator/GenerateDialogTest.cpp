// The Save dialog's suggestion: the AWL source, else the project file less its
// extension, else the program's own directory.
#include "GenerateCommand.h"
#include "GeneratorFixture.h"
#include "ProjectEditor.h"
#include "ProjectStore.h"

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
        SuggestionCase{"FourCharactersAreAllExtension", "", "", "/prj/", "a.F2", "/prj/", ""},
        SuggestionCase{"ShorterNameKept", "", "", "/prj/", "a.F", "/prj/", "a.F"},
        SuggestionCase{"CharactersNotBytes", "", "", "/prj/", "plan.\xC3\x9C" "BR", "/prj/", "plan"},
        SuggestionCase{"NeitherGivesProgramDir", "", "", "", "", "/opt/lumafold/", ""},
        SuggestionCase{"ProjectDirWithoutNameGivesProgramDir", "", "", "/prj/", "", "/opt/lumafold/", ""}),
    [](const auto& info) { return std::string(info.param.label); });

// Opening a project and generating from it derive the AWL name by one rule:
// the name loading records is the name the dialog then suggests.
TEST_F(GeneratorTest, OpenedProjectAndGenerateSuggestTheSameName) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"site.F2D", "site"}, {"a.F2", ""}, {"ab", "ab"}, {"\xC3\xA9t\xC3\xA9.F\xC3\xB8\xC3\xB8", "\xC3\xA9t\xC3\xA9"}};
    for (const auto& [name, awl] : cases) {
        ProjectEditor editor(ctx);
        ProjectStore(ctx, editor).LoadProject(name, dir.Path() + "/");  // no such file: an empty project
        EXPECT_EQ(ctx.project.awlFile, awl) << name;
        const FileDialog d = GenerateCommand::SaveDialog(ctx);
        EXPECT_EQ(d.InitDir, dir.Path() + "/") << name;
        EXPECT_EQ(d.FileName, awl) << name;
    }
}

} // namespace
} // namespace lumafold::test
