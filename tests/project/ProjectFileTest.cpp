// The project file's bytes: what the writer produces and what the reader
// takes from a file, including damaged and foreign files.
#include "ProjectFileReader.h"
#include "ProjectFileWriter.h"
#include "SameBytes.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumafold::test {
namespace {

const std::string kGolden = LUMAFOLD_PROJECT_GOLDEN;

Project ExampleProject() {
    Project prj;
    prj.IndexDB = 100;
    prj.awlDir = "/web/";
    prj.awlFile = "site.AWL";
    prj.AWLTimeStamp = "12.03.2002 10:15:40";
    prj.PRJTimeStamp = "12.03.2002 10:14:02";
    prj.files.Add({"index.htm", "/web"});
    prj.files.Add({"logo.gif", "/web/img/"});
    for (int i = 1; i <= 4; ++i) prj.files.Add({"varlist" + std::to_string(i) + ".txt", ""});
    return prj;
}

std::string Written(const Project& prj) {
    std::string problem;
    const auto bytes = ProjectFileBytes(prj, problem);
    EXPECT_TRUE(bytes) << problem;
    return bytes.value_or("");
}

TEST(ProjectFileWriter, WritesTheExampleProjectByteForByte) {
    EXPECT_TRUE(SameBytes(ReadFile(kGolden + "/example.F2D"), Written(ExampleProject())));
}

TEST(ProjectFileWriter, AProjectWithoutEntriesHasEightLines) {
    Project prj;
    prj.PRJTimeStamp = "11/14/23 22:13:20";
    EXPECT_TRUE(SameBytes("[SETTINGS]\r\nIndexDB=900\r\nAWLSource=\r\nAWLTimeStamp=\r\nPRJTimeStamp=11/14/23 22:13:20\r\n"
                          "\r\n[FILES]\r\n\r\n",
                          Written(prj)));
}

TEST(ProjectFileWriter, StoresEachEntryByTheSiteTest) {
    struct Case {
        FileEntry entry;
        std::string line;
    };
    const std::vector<Case> cases = {
        {{"myvarlist.htm", "/web"}, "FILE_1=myvarlist.htm\r\n"},        // passes the site test: name alone
        {{"VarList1.txt", "/web"}, "FILE_1=/web/VarList1.txt\r\n"},     // fails it: full path
        {{"a.htm", "/"}, "FILE_1=/a.htm\r\n"},                          // a file at the root
        {{"a.htm", "/web/"}, "FILE_1=/web/a.htm\r\n"},                  // no second separator
        {{"\xC3\xA9t\xC3\xA9.htm", "/web"}, "FILE_1=/web/\xE9t\xE9.htm\r\n"},  // code-page bytes
    };
    for (const Case& c : cases) {
        Project prj;
        prj.files.Add(c.entry);
        const std::string bytes = Written(prj);
        EXPECT_NE(bytes.find("[FILES]\r\n" + c.line + "\r\n"), std::string::npos) << c.entry.name << ":\n"
                                                                                   << Visible(bytes);
    }
}

TEST(ProjectFileWriter, ANegativeIndexDBKeepsItsSign) {
    Project prj;
    prj.IndexDB = -5;
    EXPECT_NE(Written(prj).find("\r\nIndexDB=-5\r\n"), std::string::npos);
}

TEST(ProjectFileWriter, RefusesTextsTheFileCannotHold) {
    struct Case {
        std::string awlFile;
        std::string entryName;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {"\xE4\xB8\xAD.AWL", "a.htm",
         "\"AWLSource=/web/\xE4\xB8\xAD.AWL\" holds characters that the code page Windows-1252 cannot hold"},
        {"site.AWL", "a\nb.htm", "\"FILE_1=/web/a\nb.htm\" holds a line break"},
    };
    for (const Case& c : cases) {
        Project prj;
        prj.awlDir = "/web/";
        prj.awlFile = c.awlFile;
        prj.files.Add({c.entryName, "/web"});
        std::string problem;
        EXPECT_FALSE(ProjectFileBytes(prj, problem));
        EXPECT_EQ(problem, c.problem);
    }
}

TEST(ProjectFileReader, ReadsWhatTheWriterWrote) {
    const ProjectFileContent c = ReadProjectFile(Written(ExampleProject()));
    EXPECT_TRUE(c.isProjectFile);
    EXPECT_EQ(c.IndexDB, 100);
    EXPECT_EQ(c.AWLSource, "/web/site.AWL");
    EXPECT_EQ(c.AWLTimeStamp, "12.03.2002 10:15:40");
    EXPECT_EQ(c.PRJTimeStamp, "12.03.2002 10:14:02");
    EXPECT_EQ(c.files, (std::vector<std::string>{"/web/index.htm", "/web/img/logo.gif", "varlist1.txt",
                                                  "varlist2.txt", "varlist3.txt", "varlist4.txt"}));
    EXPECT_TRUE(c.problems.empty());
}

TEST(ProjectFileReader, EveryKindOfLineEndEndsALine) {
    const std::string crlf = "[SETTINGS]\r\nIndexDB=12\r\n[FILES]\r\nFILE_1=/w/a.htm\r\nFILE_2=b.htm";
    for (const std::string sep : {"\n", "\r"}) {
        std::string text = crlf;
        for (size_t p = 0; (p = text.find("\r\n", p)) != std::string::npos;) text.replace(p, 2, sep);
        const ProjectFileContent c = ReadProjectFile(text);
        EXPECT_EQ(c.IndexDB, 12) << Visible(text);
        // The last line has no line end at all, as in a truncated file.
        EXPECT_EQ(c.files, (std::vector<std::string>{"/w/a.htm", "b.htm"})) << Visible(text);
    }
}

TEST(ProjectFileReader, KeysCountOnlyAtTheStartOfALine) {
    const ProjectFileContent c = ReadProjectFile(
        "[FILES]\r\nFILE_1=/web/IndexDB=7/a.htm\r\n x AWLSource=/x.AWL\r\nFILE_2=/web/PRJTimeStamp=/b.htm\r\n");
    EXPECT_FALSE(c.IndexDB);
    EXPECT_FALSE(c.AWLSource);
    EXPECT_FALSE(c.PRJTimeStamp);
    EXPECT_EQ(c.files, (std::vector<std::string>{"/web/IndexDB=7/a.htm", "/web/PRJTimeStamp=/b.htm"}));
}

TEST(ProjectFileReader, IndexDBMustBeAPlainNumberFrom1To1023) {
    struct Case {
        std::string value;
        std::optional<int16_t> taken;
    };
    const std::vector<Case> cases = {
        {"1", 1},      {"1023", 1023}, {"0900", 900},    {" 42 ", 42},   {"0", {}},      {"1024", {}},
        {"9999", {}},  {"-5", {}},     {"+5", {}},       {"1.5", {}},    {"12345", {}},  {"", {}},
        {"abc", {}},   {"900abc", {}}, {"99999999999999999999", {}},     {"65537", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseIndexDB(c.value), c.taken) << "\"" << c.value << "\"";
        const ProjectFileContent content = ReadProjectFile("[SETTINGS]\r\nIndexDB=" + c.value + "\r\n");
        EXPECT_EQ(content.IndexDB, c.taken) << "\"" << c.value << "\"";
        if (!c.taken) {
            ASSERT_EQ(content.problems.count, 1u) << "\"" << c.value << "\"";
            EXPECT_EQ(content.problems.texts[0], "line 2: IndexDB \"" + c.value + "\" is not a number from 1 to 1023 and is ignored");
        }
    }
}

TEST(ProjectFileReader, FileLinesWithoutANameAreLeftOutAndNamed) {
    const ProjectFileContent c =
        ReadProjectFile("[FILES]\r\nFILE_1/web/a.htm\r\nFILE_2=\r\nFILE_3=/web/\r\nFILE_4=/web/b=c.htm\r\n");
    EXPECT_EQ(c.files, (std::vector<std::string>{"/web/b=c.htm"}));
    EXPECT_EQ(c.problems.texts, (std::vector<std::string>{"line 2: \"FILE_1/web/a.htm\" holds no \"=\" and is left out",
                                                     "line 3: \"FILE_2=\" names no file and is left out",
                                                     "line 4: \"FILE_3=/web/\" names no file and is left out"}));
}

TEST(ProjectFileReader, AnEmptyAWLSourceIsNoValue) {
    EXPECT_FALSE(ReadProjectFile("[SETTINGS]\r\nAWLSource=\r\n").AWLSource);
}

TEST(ProjectFileReader, CodePageBytesBecomeUtf8) {
    const ProjectFileContent c = ReadProjectFile("[FILES]\r\nFILE_1=/web/\xE9t\xE9.htm\r\nFILE_2=/web/\x81.htm\r\n");
    EXPECT_EQ(c.files, (std::vector<std::string>{"/web/\xC3\xA9t\xC3\xA9.htm", "/web/\xEF\xBF\xBD.htm"}));
}

TEST(ProjectFileReader, ForeignFilesAreNoProjectFiles) {
    const std::vector<std::string> foreign = {
        "",
        "GIF89a\x01\x00\x01\x00",
        std::string("[SETTINGS]\r\nIndexDB=5\r\n") + '\0' + "\r\n",  // a NUL byte: binary
        "<html><body>IndexDB=5</body></html>\r\n",
    };
    for (const std::string& bytes : foreign) {
        const ProjectFileContent c = ReadProjectFile(bytes);
        EXPECT_FALSE(c.isProjectFile) << Visible(bytes);
        EXPECT_FALSE(c.IndexDB);
        EXPECT_TRUE(c.files.empty());
    }
}

} // namespace
} // namespace lumafold::test
