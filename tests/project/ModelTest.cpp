// The project model: paths, lookup, the two site tests, the display texts.
#include "CodePage.h"
#include "FileList.h"
#include "Paths.h"
#include "Project.h"
#include "VarList.h"

#include <gtest/gtest.h>

namespace lumafold {
namespace {

struct PathCase {
    std::string path, fileName, dir, setting;
};

TEST(Paths, SplitAtTheLastSeparator) {
    const PathCase cases[] = {
        {"/web/index.htm", "index.htm", "/web", "/web/"},
        {"/index.htm", "index.htm", "/", "/"},
        {"index.htm", "index.htm", "", "/"},
        {"/web/", "", "/web", "/web/"},
        {"/web/sub/a.gif", "a.gif", "/web/sub", "/web/sub/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileName(c.path), c.fileName) << c.path;
        EXPECT_EQ(GetPath(c.path), c.dir) << c.path;
        EXPECT_EQ(DirectorySetting(c.path), c.setting) << c.path;
    }
}

TEST(Paths, FullPathWithAndWithoutTrailingSeparator) {
    EXPECT_EQ((FileEntry{"a.htm", "/", false}.GetFullPath()), "/a.htm");
    EXPECT_EQ((FileEntry{"a.htm", "/web", false}.GetFullPath()), "/web/a.htm");
    EXPECT_EQ((FileEntry{"a.htm", "/web/", false}.GetFullPath()), "/web/a.htm");
    // A root directory read back from a project file is the GetPath of "/a.htm".
    EXPECT_EQ((FileEntry{"a.htm", GetPath("/a.htm"), false}.GetFullPath()), "/a.htm");
}

FileList ListOf(std::initializer_list<const char*> names) {
    FileList list;
    for (const char* n : names) list.Add(FileEntry{n, "/web", false});
    return list;
}

TEST(FileList, KeepsTheOrderOfAddingAndCountsFromOne) {
    FileList list = ListOf({"z.htm", "a.htm", "m.htm"});
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.At(1).name, "z.htm");
    EXPECT_EQ(list.At(3).name, "m.htm");
    list.RemoveAt(1);
    EXPECT_EQ(list.At(1).name, "a.htm");
    EXPECT_EQ(list.GetFullPath(2), "/web/m.htm");
    list.Clear();
    EXPECT_TRUE(list.Empty());
}

TEST(FileList, FindsTheFirstNameThatBeginsWithTheTextIgnoringCase) {
    const FileList list = ListOf({"a.htm", "b.htm", "index.html", "INDEX.HTM"});
    EXPECT_EQ(list.Find("Index.htm"), 3);
    EXPECT_EQ(list.Find("index.htm"), 3);
    EXPECT_EQ(list.Find("B"), 2);
    EXPECT_EQ(ListOf({"index.htm"}).Find("index.html"), std::nullopt);
    EXPECT_EQ(ListOf({}).Find("a"), std::nullopt);
}

TEST(FileList, FindsAnEntryByItsWholeNameIgnoringCase) {
    FileList list = ListOf({"index.html", "INDEX.HTM", "\xC3\xA9t\xC3\xA9.htm", "a.htm"});
    struct Case {
        const char* name;
        std::optional<int> pos;
    };
    for (const Case& c : {Case{"index.htm", 2}, Case{"Index.HTML", 1}, Case{"index", std::nullopt},
                          Case{"\xC3\x89T\xC3\x89.HTM", 3}, Case{"ete.htm", std::nullopt}, Case{"a.htm", 4}}) {
        EXPECT_EQ(list.FindName(c.name), c.pos) << c.name;
    }
    list.RemoveAt(1);
    EXPECT_EQ(list.FindName("index.html"), std::nullopt);
    EXPECT_EQ(list.FindName("index.htm"), 1);
    list.Add({"Index.html", "/web"});
    EXPECT_EQ(list.FindName("INDEX.HTML"), 4);
    list.Clear();
    EXPECT_EQ(list.FindName("index.htm"), std::nullopt);
}

TEST(FileList, LookupFoldsAccentedLettersOfTheCodePage) {
    const FileList list = ListOf({"\xC3\xA9t\xC3\xA9.htm"});  // "été.htm"
    EXPECT_EQ(list.Find("\xC3\x89T\xC3\x89"), 1);               // "ÉTÉ"
    EXPECT_EQ(list.Find("ete"), std::nullopt);
}

struct SiteCase {
    const char* name;
    bool siteName, site;
};

TEST(VarList, SiteNameAndSiteTests) {
    const SiteCase cases[] = {
        {"varlist1.txt", true, true},  {"varlist2.txt", true, true},  {"varlist4.txt", true, true},
        {"varlist5.txt", false, true}, {"myvarlist.htm", false, true}, {"VarList2.txt", false, false},
        {"varlist1.txt.bak", false, true}, {"index.htm", false, false}, {"varlis", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSiteName(c.name), c.siteName) << c.name;
        EXPECT_EQ(IsSite(c.name), c.site) << c.name;
    }
    EXPECT_EQ(SiteName(1), "varlist1.txt");
    EXPECT_EQ(SiteName(4), "varlist4.txt");
}

TEST(Project, IndexDBDisplayTextIsPaddedToFour) {
    EXPECT_EQ(IndexDBDisplayText(900), "900 ");
    EXPECT_EQ(IndexDBDisplayText(5), "5   ");
    EXPECT_EQ(IndexDBDisplayText(1023), "1023");
    EXPECT_EQ(IndexDBDisplayText(42), "42  ");
}

TEST(Project, AWLSourceJoinsDirectoryAndName) {
    Project p;
    EXPECT_EQ(p.AWLSource(), "");
    p.awlDir = "/plc/";
    p.awlFile = "site.AWL";
    EXPECT_EQ(p.AWLSource(), "/plc/site.AWL");
    EXPECT_EQ(p.IndexDB, 900);
}

TEST(CodePage, ConvertsBothWays) {
    EXPECT_EQ(ToCodePage("a\xC3\xA9\xE2\x82\xAC"), std::string("a\xE9\x80"));  // "aé€"
    EXPECT_EQ(FromCodePage("a\xE9\x80"), "a\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(ToCodePage("\xE4\xB8\xAD"), std::nullopt);  // a CJK letter has no place
    EXPECT_EQ(ToCodePage("\xFF"), std::nullopt);          // not UTF-8 at all
    EXPECT_TRUE(FitsCodePage("index.htm"));
    EXPECT_FALSE(FitsCodePage("\xE4\xB8\xAD.htm"));
}

TEST(CodePage, SevenBitTextIsTheSameInBoth) {
    std::string all;
    for (int c = 0; c < 128; ++c) all += static_cast<char>(c);
    EXPECT_EQ(ToCodePage(all), all);
    EXPECT_EQ(FromCodePage(all), all);
    // One byte above seven bits anywhere still converts the whole text.
    EXPECT_EQ(ToCodePage(all + "\xC3\xA9"), all + "\xE9");
    EXPECT_EQ(FromCodePage("\xE9" + all), "\xC3\xA9" + all);
    EXPECT_EQ(ToCodePage(all + "\xFF"), std::nullopt);
}

TEST(CodePage, UndefinedBytesNeverBecomeARealName) {
    EXPECT_EQ(FromCodePage("a\x81" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_FALSE(FitsCodePage(FromCodePage("\x8D")));
}

} // namespace
} // namespace lumafold
