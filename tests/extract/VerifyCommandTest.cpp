// lumafold-gen --verify: a fresh source agrees with its project, and every
// change made afterwards on disk or in the project is named, and only that.
#include "BatchRun.h"
#include "FixedLocale.h"
#include "PackedSite.h"
#include "ReadBackRun.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <unistd.h>

namespace lumafold::test {
namespace {

using namespace lumafold::batch;

class Verify : public ::testing::Test {
protected:
    Verify() { UseUtcAndCLocale(); }
    int Run(const std::string& project, const std::string& awl) {
        out.str("");
        err.str("");
        return RunReadBack(ReadBackOptions{ReadBackOptions::Mode::Verify, awl, "", project}, out, err);
    }
    std::ostringstream out, err;
};

TEST_F(Verify, AFreshSourceAgreesAndOneChangedFileIsNamed) {
    std::mt19937 rng(1618);
    for (int indexDB : {1, 1000}) {
        SCOPED_TRACE(indexDB);
        TempDir dir;
        const PackedSite site = RandomSite(rng, indexDB, indexDB == 1 ? 30 : 15, true);
        const std::string awl = site.WriteSource(dir);
        const std::string project = site.WriteProject(dir);
        ASSERT_EQ(Run(project, awl), kExitGenerated) << out.str() << err.str();
        const int n = static_cast<int>(site.Files().size());
        EXPECT_EQ(out.str(), "the AWL source holds the project's " + std::to_string(n) + " files as they are on disk, DB" +
                                 std::to_string(indexDB) + " to DB" + std::to_string(indexDB + n) + "\n");

        const SiteFile& changed = site.Files()[3];
        std::string bytes = changed.bytes;
        bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x20);
        dir.Write("data/" + changed.name, bytes);
        EXPECT_EQ(Run(project, awl), kExitDiffers);
        EXPECT_EQ(out.str(), "differs: " + changed.name + ": its bytes differ from byte " +
                                 std::to_string(bytes.size() / 2 + 1) + " on (1 of " + std::to_string(bytes.size()) +
                                 " bytes)\n1 difference: the AWL source does not hold the project's files as they are on disk\n");
    }
}

TEST_F(Verify, NamesEveryFileThatDiffersIsMissingOrExtra) {
    PackedSite site(900);
    site.Add("index.htm", "<html>\r\n");
    site.Add("ok.txt", "OK\n");
    site.Add("logo.gif", "GIF89a-12");
    site.AddSites();
    struct Case {
        std::string what;
        std::function<std::string(TempDir&, std::string project)> edit;  // the project file to verify
        std::vector<std::string> lines;
    };
    auto edited = [](TempDir& dir, const std::string& project, const std::string& from, const std::string& to) {
        std::string text = ReadFile(project);
        text.replace(text.find(from), from.size(), to);
        return dir.Write("edited.F2D", text);
    };
    const std::vector<Case> cases = {
        {"a file grown", [](TempDir& dir, std::string p) { dir.Write("data/ok.txt", "OK!\n"); return p; },
         {"differs: ok.txt: 4 bytes on disk, 3 in the AWL source"}},
        {"a file removed from disk", [](TempDir& dir, std::string p) { ::unlink(dir.File("data/ok.txt").c_str()); return p; },
         {"differs: ok.txt: File \"DIR/data/ok.txt\" doesn't exist ... "}},
        {"a file emptied", [](TempDir& dir, std::string p) { dir.Write("data/ok.txt", ""); return p; },
         {"differs: ok.txt: File \"DIR/data/ok.txt\" length is 0 "}},
        {"a file added to the project",
         [&](TempDir& dir, std::string p) { dir.Write("data/new.htm", "new"); return edited(dir, p, "FILE_7=varlist4.txt\r\n", "FILE_7=varlist4.txt\r\nFILE_8=" + dir.Path() + "/data/new.htm\r\n"); },
         {"missing: new.htm (DB908 in the plan) is not in the AWL source"}},
        {"a file added to the project and not on disk",
         [&](TempDir& dir, std::string p) { return edited(dir, p, "FILE_7=varlist4.txt\r\n", "FILE_7=varlist4.txt\r\nFILE_8=" + dir.Path() + "/data/new.htm\r\n"); },
         {"missing: new.htm: File \"DIR/data/new.htm\" doesn't exist ... ; it is not in the AWL source"}},
        {"an entry taken out of the project",
         [&](TempDir& dir, std::string p) { return edited(dir, p, "FILE_1=" + dir.Path() + "/data/index.htm\r\n", ""); },
         {"extra: index.htm (DB901) is in the AWL source but not in the project"}},
        {"two entries swapped",
         [&](TempDir& dir, std::string p) {
             const std::string data = dir.Path() + "/data/";
             return edited(dir, p, "FILE_1=" + data + "index.htm\r\nFILE_2=" + data + "ok.txt", "FILE_1=" + data + "ok.txt\r\nFILE_2=" + data + "index.htm");
         },
         {"differs: index.htm: it comes before ok.txt in the AWL source, after it in the project"}},
        {"another IndexDB", [&](TempDir& dir, std::string p) { return edited(dir, p, "IndexDB=900", "IndexDB=100"); },
         {"index: the AWL source's index block is DB900, the project's IndexDB is 100"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string awl = site.WriteSource(dir);
        const std::string project = c.edit(dir, site.WriteProject(dir));
        EXPECT_EQ(Run(project, awl), kExitDiffers) << err.str();
        std::string expected;
        for (std::string line : c.lines) {
            for (size_t at = line.find("DIR"); at != std::string::npos; at = line.find("DIR")) line.replace(at, 3, dir.Path());
            expected += line + "\n";
        }
        expected += std::to_string(c.lines.size()) + (c.lines.size() == 1 ? " difference" : " differences") +
                    ": the AWL source does not hold the project's files as they are on disk\n";
        EXPECT_EQ(out.str(), expected);
    }
}

TEST_F(Verify, AProjectOrSourceThatCannotBeReadEndsWithAReason) {
    TempDir dir;
    PackedSite site(900);
    site.Add("a.htm", "abc");
    const std::string awl = site.WriteSource(dir);
    const std::string project = site.WriteProject(dir);
    EXPECT_EQ(Run(dir.File("none.F2D"), awl), kExitNotGenerated);
    EXPECT_NE(err.str().find("none.F2D"), std::string::npos) << err.str();
    EXPECT_EQ(Run(project, dir.File("none.AWL")), kExitNotGenerated);
    EXPECT_NE(err.str().find("cannot read " + dir.File("none.AWL")), std::string::npos) << err.str();
    EXPECT_EQ(Run(project, dir.Write("bad.AWL", ReadFile(awl).substr(0, 700))), kExitUntrusted);
    EXPECT_EQ(out.str(), "");
}

} // namespace
} // namespace lumafold::test
