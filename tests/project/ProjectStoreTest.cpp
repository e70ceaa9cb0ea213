// Saving, opening and loading project files on real files: the offer to save,
// Save, Save as, Open, the failures of a save, and every stored entry coming
// back through AddFile.
#include "EditorFixture.h"
#include "Paths.h"
#include "ProjectStore.h"
#include "SameBytes.h"
#include "UnprivilegedScope.h"

#include <filesystem>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace lumafold::test {
namespace {

class Store : public EditorTest {
protected:
    Store() { editor.ResetProject(); }

    FileChoice Choice(const std::string& path) const {
        return FileChoice{path, path.substr(path.rfind('/') + 1)};
    }
    // The project file at path is opened with the Open command.
    void OpenFile(const std::string& path) {
        prompter.AnswerFileDialog(Choice(path));
        store.Open();
    }
    std::vector<std::string> Directories() const {
        std::vector<std::string> out;
        for (const FileEntry& e : ctx.project.files.Entries()) out.push_back(e.directory);
        return out;
    }

    ProjectStore store{ctx, editor};
};

TEST_F(Store, ANewProjectIsSavedThroughTheDialogAsEightLines) {
    const std::string path = dir.File("site.F2D");
    prompter.AnswerFileDialog(Choice(path));
    store.SaveProject(true, false);

    const FileDialog& d = prompter.Log().at(0).dialog;
    EXPECT_EQ(d.kind, FileDialog::Kind::Save);
    EXPECT_EQ(d.DialogTitle, "Save project as");
    EXPECT_EQ(d.Filter, "All Files (*.*)|*.*|Lumafold Project (*.F2D)|*.F2D");
    EXPECT_EQ(d.FilterIndex, 2);
    EXPECT_EQ(d.DefaultExt, ".F2D");
    EXPECT_EQ(d.Flags, 2138118u);
    EXPECT_EQ(d.InitDir, "/opt/lumafold/");
    EXPECT_EQ(d.FileName, "");

    EXPECT_TRUE(SameBytes("[SETTINGS]\r\nIndexDB=900\r\nAWLSource=\r\nAWLTimeStamp=\r\nPRJTimeStamp=11/14/23 22:13:20\r\n"
                          "\r\n[FILES]\r\n\r\n",
                          ReadFile(path)));
    EXPECT_EQ(ctx.el.Caption, "ZALT - Lumafold V2.2 (" + path + ")");
    EXPECT_EQ(ctx.project.projectDir, dir.Path() + "/");
    EXPECT_EQ(ctx.project.projectFile, "site.F2D");
}

TEST_F(Store, SaveAndOpenGiveTheProjectBack) {
    dir.MakeDir("img");
    dir.Write("index.htm", "<html>");
    dir.Write("img/logo.gif", "GIF89a");
    dir.Write("myvarlist.htm", "x");
    editor.AddFile("index.htm", dir.Path());
    editor.SetVarList(true);
    editor.AddFile("logo.gif", dir.Path() + "/img/");
    editor.AddFile("myvarlist.htm", dir.Path());
    ctx.project.IndexDB = 100;
    ctx.project.awlDir = dir.Path() + "/";
    ctx.project.awlFile = "site.AWL";
    ctx.project.AWLTimeStamp = "11/14/23 22:20:00";
    clock.Advance(60);
    ctx.project.PRJTimeStamp = "11/14/23 22:13:50";
    const std::string path = dir.File("site.F2D");
    prompter.AnswerFileDialog(Choice(path));
    store.SaveProject(true, true);
    EXPECT_FALSE(ctx.project.modified);
    const std::string saved = ReadFile(path);

    editor.ResetProject();
    clock.Advance(3600);
    OpenFile(path);
    const Project& prj = ctx.project;
    EXPECT_EQ(prj.IndexDB, 100);
    EXPECT_EQ(ctx.el.MaskEdBox1, "100 ");
    EXPECT_EQ(prj.AWLSource(), dir.Path() + "/site.AWL");
    EXPECT_EQ(prj.AWLTimeStamp, "11/14/23 22:20:00");
    EXPECT_EQ(prj.PRJTimeStamp, "11/14/23 22:13:50");
    EXPECT_EQ(Names(), (std::vector<std::string>{"index.htm", "varlist1.txt", "varlist2.txt", "varlist3.txt",
                                                  "varlist4.txt", "logo.gif", "myvarlist.htm"}));
    // myvarlist.htm passes the site test: it was stored by name and comes back without directory.
    EXPECT_EQ(Directories(), (std::vector<std::string>{dir.Path(), "", "", "", "", dir.Path() + "/img", ""}));
    EXPECT_TRUE(ctx.el.chkVarList);
    EXPECT_FALSE(prj.modified);
    EXPECT_EQ(ctx.el.Caption, "ZALT - Lumafold V2.2  (" + path + ")");

    // Saved again unchanged, the file is the same byte for byte.
    store.SaveProject(true, false);
    EXPECT_TRUE(SameBytes(saved, ReadFile(path)));
}

TEST_F(Store, TheOfferToSaveAsksOnlyForAModifiedProject) {
    store.SaveProject(false, false);  // unmodified: no question, no dialog
    EXPECT_TRUE(prompter.Log().empty());

    editor.AddFile("a.htm", "");
    prompter.AnswerMessage(Answer::No);
    store.SaveProject(false, false);
    const Message m = prompter.Messages().at(0);
    EXPECT_EQ(m.text, "Save ?");
    EXPECT_EQ(m.buttons, Buttons::YesNo);
    EXPECT_EQ(m.icon, Icon::None);
    EXPECT_EQ(m.title, "");
    EXPECT_TRUE(m.foreground);
    EXPECT_TRUE(ctx.project.modified);

    // Yes, then the dialog cancelled: nothing written, flag and title as they were.
    prompter.AnswerMessage(Answer::Yes).AnswerFileDialog(std::nullopt);
    store.SaveProject(false, false);
    EXPECT_TRUE(ctx.project.modified);
    EXPECT_EQ(ctx.el.Caption, "ZALT - Lumafold V2.2 ");
    EXPECT_TRUE(NamesIn(dir.Path()).empty());
}

TEST_F(Store, ANamedProjectIsSavedWithoutTheDialog) {
    const std::string path = dir.Write("site.F2D", "[SETTINGS]\r\nIndexDB=300\r\n");
    OpenFile(path);
    editor.AddFile("a.htm", "");
    prompter.AnswerMessage(Answer::Yes);
    store.SaveProject(false, false);
    EXPECT_EQ(prompter.Messages().back().text, "Save " + path + "?");
    EXPECT_FALSE(ctx.project.modified);
    // Without an AWL source of its own the project stores the name it suggests.
    EXPECT_NE(ReadFile(path).find("IndexDB=300\r\nAWLSource=site\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(path).find("FILE_1=a.htm\r\n"), std::string::npos);

    // Save writes even an unmodified project, and leaves the title alone.
    dir.Write("site.F2D", "old");
    store.SaveProject(true, false);
    EXPECT_NE(ReadFile(path).find("FILE_1=a.htm\r\n"), std::string::npos);
    EXPECT_EQ(ctx.el.Caption, "ZALT - Lumafold V2.2  (" + path + ")");
}

// Each failure: the message names the file and the reason, the old file is
// unchanged, no temporary file is left, the flag is still set.
TEST_F(Store, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    struct Case {
        const char* what;
        std::function<void(const std::string& sub, const std::string& path)> arrange;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"read-only directory", [](auto& sub, auto&) { ::chmod(sub.c_str(), 0555); }, "Permission denied"},
        {"read-only file", [](auto&, auto& path) { ::chmod(path.c_str(), 0444); }, "Permission denied"},
        {"a directory in its place",
         [](auto&, auto& path) {
             std::filesystem::remove(path);
             std::filesystem::create_directory(path);
         },
         "it is a directory, not a plain file"},
        {"vanished directory", [](auto& sub, auto&) { std::filesystem::remove_all(sub); },
         "No such file or directory"},
    };
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string sub = dir.File("proj");
        std::filesystem::remove_all(sub);
        dir.MakeDir("proj");
        ::chmod(sub.c_str(), 0777);
        const std::string path = dir.Write("proj/site.F2D", "old project");
        ::chmod(path.c_str(), 0666);
        editor.ResetProject();
        ctx.project.projectDir = sub + "/";
        ctx.project.projectFile = "site.F2D";
        c.arrange(sub, path);
        editor.AddFile("a.htm", "");
        prompter.AnswerMessage(Answer::OK);
        {
            UnprivilegedScope asUser;
            store.SaveProject(true, false);
        }
        const Message m = prompter.Messages().back();
        EXPECT_EQ(m.text, "File \"" + path + "\" can't be saved: " + c.reason + " ");
        EXPECT_EQ(m.icon, Icon::Error);
        EXPECT_EQ(m.title, "Can't save");
        EXPECT_TRUE(ctx.project.modified);
        if (!std::filesystem::exists(sub)) continue;
        ::chmod(sub.c_str(), 0777);
        if (std::filesystem::is_regular_file(path)) {
            EXPECT_EQ(ReadFile(path), "old project");
        }
        EXPECT_EQ(NamesIn(sub), std::vector<std::string>{"site.F2D"});
    }
}

// The disk refusing the write half-way (as a full disk does) is simulated by
// a file size limit: the write fails part-way through the temporary file.
TEST_F(Store, AWriteRefusedHalfWayLeavesTheOldFile) {
    const std::string path = dir.Write("site.F2D", "old project");
    ctx.project.projectDir = dir.Path() + "/";
    ctx.project.projectFile = "site.F2D";
    for (int i = 0; i < 20; ++i) editor.AddFile("page" + std::to_string(i) + ".htm", "");
    prompter.AnswerMessage(Answer::OK);
    {
        struct sigaction ignore {}, old {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &old);
        rlimit small{64, RLIM_INFINITY}, before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        small.rlim_max = before.rlim_max;
        ::setrlimit(RLIMIT_FSIZE, &small);
        store.SaveProject(true, false);
        ::setrlimit(RLIMIT_FSIZE, &before);
        ::sigaction(SIGXFSZ, &old, nullptr);
    }
    EXPECT_EQ(prompter.Messages().back().text, "File \"" + path + "\" can't be saved: File too large ");
    EXPECT_EQ(ReadFile(path), "old project");
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"site.F2D"});
    EXPECT_TRUE(ctx.project.modified);
}

TEST_F(Store, AFailedSaveAsKeepsTheNameAndTitle) {
    const std::string old = dir.Write("site.F2D", "[SETTINGS]\r\nIndexDB=300\r\n");
    OpenFile(old);
    editor.AddFile("a.htm", "");
    prompter.AnswerFileDialog(Choice(dir.File("gone/other.F2D"))).AnswerMessage(Answer::OK);
    store.SaveProject(true, true);
    EXPECT_EQ(prompter.Messages().back().text,
              "File \"" + dir.File("gone/other.F2D") + "\" can't be saved: No such file or directory ");
    EXPECT_EQ(ctx.project.ProjectPath(), old);
    EXPECT_EQ(ctx.el.Caption, "ZALT - Lumafold V2.2  (" + old + ")");
    EXPECT_TRUE(ctx.project.modified);
}

TEST_F(Store, ASaveReplacesTheFileALinkPointsTo) {
    dir.MakeDir("real");
    const std::string real = dir.Write("real/site.F2D", "old");
    ASSERT_EQ(::symlink(real.c_str(), dir.File("link.F2D").c_str()), 0);
    ctx.project.projectDir = dir.Path() + "/";
    ctx.project.projectFile = "link.F2D";
    store.SaveProject(true, false);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.F2D")));
    EXPECT_TRUE(ReadFile(real).starts_with("[SETTINGS]\r\n"));
}

TEST_F(Store, OpenOffersToSaveThenLoadsTheChosenFile) {
    const std::string path = dir.Write("site.F2D", "[SETTINGS]\r\nIndexDB=77\r\n[FILES]\r\nFILE_1=a.htm\r\n");
    editor.AddFile("old.htm", "");
    prompter.AnswerMessage(Answer::No);
    OpenFile(path);
    EXPECT_EQ(prompter.Messages().at(0).text, "Save ?");
    const FileDialog& d = prompter.Log().at(1).dialog;
    EXPECT_EQ(d.kind, FileDialog::Kind::Open);
    EXPECT_EQ(d.DialogTitle, "Open project");
    EXPECT_EQ(d.Flags, 2129924u);
    EXPECT_EQ(d.Filter, "All Files (*.*)|*.*|Lumafold Project (*.F2D)|*.F2D");
    EXPECT_EQ(d.FilterIndex, 2);
    EXPECT_EQ(d.DefaultExt, ".F2D");
    EXPECT_EQ(ctx.project.projectDir, dir.Path() + "/");
    EXPECT_EQ(ctx.project.projectFile, "site.F2D");
    EXPECT_EQ(Names(), std::vector<std::string>{"a.htm"});
    EXPECT_EQ(ctx.project.IndexDB, 77);
    EXPECT_FALSE(ctx.project.modified);

    // The next dialog starts at the project's own file; cancelling changes nothing.
    prompter.AnswerFileDialog(std::nullopt);
    store.Open();
    EXPECT_EQ(prompter.Log().back().dialog.InitDir, dir.Path() + "/");
    EXPECT_EQ(prompter.Log().back().dialog.FileName, "site.F2D");
    EXPECT_EQ(Names(), std::vector<std::string>{"a.htm"});
}

TEST_F(Store, LoadingStartsFromACleanProject) {
    editor.SetVarList(true);
    ctx.project.IndexDB = 5;
    ctx.project.awlDir = "/x/";
    ctx.project.AWLTimeStamp = "then";
    const std::string path = dir.Write("site.F2D", "[FILES]\r\nFILE_1=b.htm\r\n");
    clock.Advance(10);
    store.LoadProject("site.F2D", dir.Path() + "/");
    EXPECT_FALSE(ctx.el.chkVarList);
    EXPECT_EQ(Names(), std::vector<std::string>{"b.htm"});
    EXPECT_EQ(ctx.project.IndexDB, 900);
    EXPECT_EQ(ctx.el.MaskEdBox1, "900 ");
    EXPECT_EQ(ctx.project.awlDir, "");
    EXPECT_EQ(ctx.project.awlFile, "site");
    EXPECT_EQ(ctx.project.AWLTimeStamp, "");
    // A file without PRJTimeStamp leaves it empty, not at the time of loading.
    EXPECT_EQ(ctx.project.PRJTimeStamp, "");
    EXPECT_TRUE(ctx.el.cmdRemove && ctx.el.cmdGenerate && ctx.el.mnuSave);
}

TEST_F(Store, AFileThatDoesNotExistGivesAnEmptyProjectUnderItsName) {
    store.LoadProject("new.F2D", dir.Path() + "/");
    EXPECT_TRUE(ctx.project.files.Empty());
    EXPECT_EQ(ctx.project.ProjectPath(), dir.File("new.F2D"));
    EXPECT_EQ(ctx.el.Caption, "ZALT - Lumafold V2.2  (" + dir.File("new.F2D") + ")");
    EXPECT_EQ(ctx.project.PRJTimeStamp, "11/14/23 22:13:20");
    store.SaveProject(true, false);
    EXPECT_TRUE(ReadFile(dir.File("new.F2D")).starts_with("[SETTINGS]\r\nIndexDB=900\r\n"));
}

TEST_F(Store, StoredEntriesGoThroughAddFile) {
    dir.Write("a.htm", "a");
    dir.WriteSized("big.gif", 40000);
    const std::string path = dir.Write(
        "site.F2D", "[FILES]\r\nFILE_1=" + dir.File("a.htm") + "\r\nFILE_2=" + dir.File("gone.htm") +
                        "\r\nFILE_3=varlist2.txt\r\nFILE_4=varlist1.txt\r\nFILE_5=" + dir.File("big.gif") +
                        "\r\nFILE_6=readme.txt\r\nFILE_7=" + dir.File("a.htm") + "\r\n");
    prompter.AnswerFileDialog(Choice(path)).AnswerMessage(Answer::OK).AnswerMessage(Answer::No).AnswerMessage(Answer::OK);
    store.Open();
    const auto msgs = prompter.Messages();
    ASSERT_EQ(msgs.size(), 3u);
    EXPECT_EQ(msgs[0].text, "File \"" + dir.File("gone.htm") + "\" doesn't exist ... ");
    EXPECT_EQ(msgs[0].title, "Can't add");
    EXPECT_EQ(msgs[1].title, "File too long");
    EXPECT_EQ(msgs[2].text, "File \"a.htm\" does exist ");
    // The first site line brings in all four at its place; readme.txt is not looked for on disk.
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.htm", "varlist1.txt", "varlist2.txt", "varlist3.txt",
                                                  "varlist4.txt", "readme.txt"}));
    EXPECT_EQ(Directories().back(), "");
    EXPECT_FALSE(ctx.project.modified);
}

// A hand-edited file: the lines the window would not write are named in one
// message for the whole load, and what can be read is loaded.
TEST_F(Store, LinesThatAreNoKeysAreNamedInOneMessage) {
    dir.Write("a.htm", "a");
    dir.Write("b.htm", "b");
    std::string lines = "[SETTINGS]\r\nIndexDB=500\r\nindexdb=7\r\nIndexDB=600\r\n[FILES]\r\nFILE_1=" + dir.File("a.htm") +
                        "\r\n FILE_2=" + dir.File("b.htm") + "\r\nFLIE_3=x\r\n";
    for (int i = 0; i < 12; ++i) lines += "junk " + std::to_string(i) + "\r\n";
    const std::string path = dir.Write("site.F2D", lines);
    prompter.AnswerFileDialog(Choice(path)).AnswerMessage(Answer::OK);
    store.Open();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    const Message m = prompter.Messages()[0];
    EXPECT_EQ(m.title, "Lines not read");
    EXPECT_EQ(m.icon, Icon::Information);
    const std::string text = m.text;
    EXPECT_TRUE(text.starts_with("File \"" + path + "\" holds lines that were not read:\r\n"
                                 "line 3: \"indexdb=7\" is not read: a key must begin its line, in its own letter case\r\n"
                                 "line 4: IndexDB= again (also on line 2); the value of line 4 counts\r\n"
                                 "line 7: \" FILE_2=")) << text;
    EXPECT_NE(text.find("line 8: \"FLIE_3=x\" is no key of a project file and is not read\r\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("\r\n(and 6 more)")) << text;
    EXPECT_EQ(Names(), std::vector<std::string>{"a.htm"});
    EXPECT_EQ(ctx.project.IndexDB, 600);
}

TEST_F(Store, RelativePathsAreTakenFromTheProjectFilesDirectory) {
    dir.MakeDir("site/img");
    dir.Write("site/index.htm", "i");
    dir.Write("site/img/logo.gif", "g");
    const std::string path = dir.Write("site.F2D",
                                       "[SETTINGS]\r\nAWLSource=out/site.AWL\r\n[FILES]\r\nFILE_1=site/index.htm\r\n"
                                       "FILE_2=./site/img/../img/logo.gif\r\n");
    OpenFile(path);
    EXPECT_EQ(Names(), (std::vector<std::string>{"index.htm", "logo.gif"}));
    EXPECT_EQ(Directories(), (std::vector<std::string>{dir.File("site"), dir.File("site/img")}));
    EXPECT_EQ(ctx.project.AWLSource(), dir.File("out/site.AWL"));

    dir.Write("site.F2D", "[SETTINGS]\r\nAWLSource=bare.AWL\r\n");
    OpenFile(path);
    EXPECT_EQ(ctx.project.AWLSource(), dir.File("bare.AWL"));
}

TEST_F(Store, TheAWLFileNameIsTheProjectNameLessItsExtension) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"site.F2D", "site"}, {"x.F2D", "x"}, {".F2D", ""},  {"ab", "ab"},
        {"abc", "abc"},       {"\xC3\xA9t\xC3\xA9.F2D", "\xC3\xA9t\xC3\xA9"},  // characters, not bytes
        {"\xC3\xA9" "abcd", "\xC3\xA9"},
    };
    for (const auto& [file, awl] : cases) EXPECT_EQ(AwlFileNameFor(file), awl) << file;
}

TEST_F(Store, ABadIndexDBIsReportedAndLeavesTheDefault) {
    const std::string path = dir.Write("site.F2D", "[SETTINGS]\r\nIndexDB=-5\r\n[FILES]\r\nFILE_1b.htm\r\n");
    prompter.AnswerFileDialog(Choice(path)).AnswerMessage(Answer::OK);
    store.Open();
    const Message m = prompter.Messages().at(0);
    EXPECT_EQ(m.text, "File \"" + path +
                          "\" holds lines that were not taken:\r\n"
                          "line 2: IndexDB \"-5\" is not a number from 1 to 1023 and is ignored\r\n"
                          "line 4: \"FILE_1b.htm\" holds no \"=\" and is left out");
    EXPECT_EQ(m.icon, Icon::Error);
    EXPECT_EQ(ctx.project.IndexDB, 900);
    EXPECT_EQ(ctx.el.MaskEdBox1, "900 ");
    EXPECT_TRUE(ctx.project.files.Empty());
}

// A file that is no project file, or cannot be read, must not stay the
// project's file: a later Save would overwrite it.
TEST_F(Store, AForeignOrUnreadableFileIsNotTakenAsTheProjectsFile) {
    struct Case {
        std::string name;
        std::function<void(const std::string&)> make;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"logo.gif", [this](auto& n) { dir.Write(n, std::string("GIF89a\0\0", 8)); }, "\" is not a project file "},
        {"page.htm", [this](auto& n) { dir.Write(n, "<html></html>\r\n"); }, "\" is not a project file "},
        {"folder.F2D", [this](auto& n) { dir.MakeDir(n); }, "\" can't be read: it is a directory, not a plain file "},
    };
    for (const Case& c : cases) {
        c.make(c.name);
        editor.AddFile("a.htm", "");
        prompter.AnswerMessage(Answer::No).AnswerFileDialog(Choice(dir.File(c.name))).AnswerMessage(Answer::OK);
        store.Open();
        EXPECT_EQ(prompter.Messages().back().text, "File \"" + dir.File(c.name) + c.text);
        EXPECT_EQ(prompter.Messages().back().title, "Can't open");
        EXPECT_EQ(ctx.project.projectFile, "");
        EXPECT_EQ(ctx.el.Caption, "ZALT - Lumafold V2.2 ");
        EXPECT_TRUE(ctx.project.files.Empty());
    }
}

} // namespace
} // namespace lumafold::test
