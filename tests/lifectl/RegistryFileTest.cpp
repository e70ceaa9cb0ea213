// The registry file against what may stand at its path: anything but a plain
// file, or a huge one, is refused at once with the reason, never read without
// end; a change leaves every other file as it was and removes what killed
// writers left behind.
#include "RegistryFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class TempDirectory {
public:
    TempDirectory()
    {
        std::string pattern = (fs::temp_directory_path() / "cellora-registry-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary directory");
        m_path = pattern;
    }
    ~TempDirectory() { fs::remove_all(m_path); }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Every entry of the directory: plain files by their bytes, others by kind.
std::map<std::string, std::string> Snapshot(const fs::path& dir)
{
    std::map<std::string, std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) {
        const auto st = e.symlink_status();
        std::string what = fs::is_symlink(st) ? "link" : fs::is_directory(st) ? "dir" : fs::is_fifo(st) ? "fifo" : "other";
        if (fs::is_regular_file(st)) {
            std::ifstream in(e.path(), std::ios::binary);
            std::ostringstream s;
            s << in.rdbuf();
            what = "file:" + s.str();
        }
        out[e.path().filename().string()] = what;
    }
    return out;
}

RegistryTree OneKey()
{
    RegistryTree tree;
    tree.SetDefault("CLSID\\{1}", "one");
    return tree;
}

struct RegistryCase {
    const char* what;
    std::function<std::string(const TempDirectory&)> arrange;  // returns the registry path
    bool readable;
    std::string why;  // part of the reason when not readable
};

class RegistryAtPath : public ::testing::TestWithParam<RegistryCase> {};

TEST_P(RegistryAtPath, IsReadOrRefusedWithTheReason)
{
    const RegistryCase& c = GetParam();
    TempDirectory dir;
    const std::string path = c.arrange(dir);
    const auto before = Snapshot(dir.Path());

    std::string why;
    const auto tree = RegistryFile(path).Read(&why);
    EXPECT_EQ(tree.has_value(), c.readable) << why;
    if (!c.readable) {
        EXPECT_NE(why.find(c.why), std::string::npos) << why;
    }
    EXPECT_EQ(Snapshot(dir.Path()), before);

    // A change is made only where the file could be read, and nothing else
    // in the directory changes but the file and its lock.
    const bool changed = RegistryFile(path).Update([](RegistryTree& t) {
        t.SetDefault("CLSID\\{2}", "two");
        return true;
    });
    EXPECT_EQ(changed, c.readable);
    auto after = Snapshot(dir.Path());
    after.erase("registry.lock");
    auto expected = before;
    expected.erase("registry.lock");
    if (changed) {
        ASSERT_TRUE(RegistryFile(path).Read().has_value());
        EXPECT_TRUE(RegistryFile(path).Read()->HasKey("CLSID\\{2}"));
        after.erase(fs::path(fs::canonical(path)).filename().string());
        expected.erase(fs::path(fs::canonical(path)).filename().string());
    }
    EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RegistryAtPath,
    ::testing::Values(
        RegistryCase{"missing", [](auto& d) { return d.File("registry"); }, true, ""},
        RegistryCase{"empty", [](auto& d) { Write(d.File("registry"), ""); return d.File("registry"); }, true, ""},
        RegistryCase{"a_link_to_a_registry",
                     [](auto& d) {
                         Write(d.File("real"), OneKey().Serialize());
                         fs::create_symlink(d.File("real"), d.File("registry"));
                         return d.File("registry");
                     },
                     true, ""},
        RegistryCase{"a_directory", [](auto& d) { fs::create_directory(d.File("registry")); return d.File("registry"); },
                     false, "it is a directory, not a plain file"},
        RegistryCase{"a_FIFO",
                     [](auto& d) {
                         ::mkfifo(d.File("registry").c_str(), 0600);
                         return d.File("registry");
                     },
                     false, "it is a FIFO, not a plain file"},
        RegistryCase{"dev_zero", [](auto& d) {
                         fs::create_symlink("/dev/zero", d.File("registry"));
                         return d.File("registry");
                     },
                     false, "it is a device, not a plain file"},
        RegistryCase{"too_large",
                     [](auto& d) {
                         Write(d.File("registry"), "CELLORA REGISTRY 1\n");
                         fs::resize_file(d.File("registry"), RegistryFile::kMaxBytes + 1);
                         return d.File("registry");
                     },
                     false, "it is larger than 4194304 bytes"},
        RegistryCase{"damaged", [](auto& d) { Write(d.File("registry"), "not a registry\n"); return d.File("registry"); },
                     false, "it is damaged"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(RegistryFile, AChangeRemovesTheTemporaryFilesOfKilledWriters)
{
    TempDirectory dir;
    const std::string path = dir.File("registry");
    Write(path, OneKey().Serialize());
    Write(path + ".tmp.4711", "half a registry");
    Write(path + ".tmp.99999", "");
    Write(path + ".tmp.notes", "someone else's");
    Write(dir.File("other.tmp.12"), "another file's");
    ASSERT_TRUE(RegistryFile(path).Update([](RegistryTree& t) {
        t.SetDefault("CLSID\\{2}", "two");
        return true;
    }));
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.Path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"other.tmp.12", "registry", "registry.lock", "registry.tmp.notes"}));
    const auto tree = RegistryFile(path).Read();
    ASSERT_TRUE(tree.has_value());
    EXPECT_TRUE(tree->HasKey("CLSID\\{1}") && tree->HasKey("CLSID\\{2}"));
}

} // namespace
