#include "PackedSite.h"

#include "AwlSourceFile.h"
#include "CodePage.h"
#include "FileList.h"
#include "Planner.h"
#include "VarList.h"

namespace lumafold::test {

void PackedSite::AddSites() {
    for (int i = 1; i <= kSiteCount; ++i) files_.push_back({SiteName(i), "", true});
}

std::string PackedSite::WriteSource(const TempDir& dir, const std::string& awlName) const {
    const std::string data = dir.MakeDir("data");
    FileList list;
    for (const SiteFile& f : files_) {
        if (!f.site) dir.Write("data/" + f.name, f.bytes);
        list.Add(FileEntry{f.name, f.site ? "" : data, false});
    }
    const PlanResult r = MakePlan(indexDB_, list, [](const Questionable& q) {
        ADD_FAILURE() << "questionable entry " << q.name;
        return Decision::EndRun;
    });
    EXPECT_TRUE(r.plan);
    const std::string path = dir.File(awlName);
    if (!r.plan) return path;
    const auto failure = WriteAwlSource(path, *r.plan, "05.03.2002 14:07:31");
    EXPECT_FALSE(failure) << failure->reason;
    return path;
}

std::string PackedSite::WriteProject(const TempDir& dir, const std::string& name) const {
    std::string text = "[SETTINGS]\r\nIndexDB=" + std::to_string(indexDB_) + "\r\nAWLSource=\r\n\r\n[FILES]\r\n";
    for (size_t i = 0; i < files_.size(); ++i) {
        const SiteFile& f = files_[i];
        text += "FILE_" + std::to_string(i + 1) + "=" + (f.site ? f.name : dir.Path() + "/data/" + f.name) + "\r\n";
    }
    const auto cp = ToCodePage(text + "\r\n");  // project files are code-page text
    EXPECT_TRUE(cp);
    return dir.Write(name, cp.value_or(""));
}

PackedSite RandomSite(std::mt19937& rng, int indexDB, int count, bool withSites) {
    static const std::vector<std::string> kPieces = {"a", "Z", "7", "_", "-", ".", " ", "'", "$", "$$", "é",
                                                     "Ä", "ß", "ü", "ñ", "€", "x'y", "page", "img", "(1)"};
    static const std::vector<int> kEdges = {1, 2, 3, 4, 5, 1023, 1024, 32764, 32766, 32767};
    std::uniform_int_distribution<size_t> piece(0, kPieces.size() - 1);
    std::uniform_int_distribution<int> size(1, 32767);
    std::uniform_int_distribution<int> byte(0, 255);
    PackedSite site(indexDB);
    const int sitesAt = withSites ? count / 2 : -1;
    for (int i = 0; i < count; ++i) {
        if (i == sitesAt) site.AddSites();
        std::string name = std::to_string(i) + "_";  // unique whatever follows
        for (int n = static_cast<int>(rng() % 6); n >= 0; --n) name += kPieces[piece(rng)];
        const int length = i < static_cast<int>(kEdges.size()) && rng() % 2 ? kEdges[static_cast<size_t>(i)] : size(rng);
        std::string bytes(static_cast<size_t>(length), '\0');
        for (char& c : bytes) c = static_cast<char>(byte(rng));
        site.Add(name, bytes);
    }
    return site;
}

void ExpectSameFiles(const PackedSite& site, const extract::AwlContent& content) {
    EXPECT_EQ(content.indexDB, site.IndexDB());
    ASSERT_EQ(content.files.size(), site.Files().size());
    for (size_t i = 0; i < content.files.size(); ++i) {
        const extract::PackedFile& got = content.files[i];
        const SiteFile& want = site.Files()[i];
        EXPECT_EQ(got.element, static_cast<int>(i) + 1);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.dbNumber, site.IndexDB() + static_cast<int>(i) + 1) << want.name;
        EXPECT_EQ(got.bytes, want.site ? std::string(1024, '\0') : want.bytes) << want.name;
        EXPECT_EQ(got.length, static_cast<int32_t>(got.bytes.size()));
    }
}

} // namespace lumafold::test
