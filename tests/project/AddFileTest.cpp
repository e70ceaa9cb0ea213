// AddFile: the site check, the lookup, the checks on disk, the size question.
#include "EditorFixture.h"
#include "Paths.h"
#include "UnprivilegedScope.h"

#include <sys/stat.h>
#include <unistd.h>

namespace lumafold::test {
namespace {

using AddFile = EditorTest;

TEST_F(AddFile, AppendsInOrderAndEnablesTheCommands) {
    dir.Write("b.htm", "b");
    dir.Write("a.htm", "a");
    editor.AddFile("b.htm", dir.Path());
    editor.AddFile("a.htm", dir.Path() + "/");
    EXPECT_EQ(Names(), (std::vector<std::string>{"b.htm", "a.htm"}));
    EXPECT_EQ(ctx.project.files.At(1).directory, dir.Path());
    EXPECT_EQ(ctx.project.files.At(2).directory, dir.Path() + "/");
    EXPECT_FALSE(ctx.project.files.At(1).selected);
    const Elements& el = ctx.el;
    EXPECT_TRUE(el.cmdRemove && el.cmdGenerate && el.mnuClose && el.mnuSave && el.mnuSaveAs && el.mnuPrint);
    EXPECT_TRUE(ctx.project.modified);
    EXPECT_EQ(ctx.project.PRJTimeStamp, "11/14/23 22:13:20");
    EXPECT_TRUE(prompter.Log().empty());
}

TEST_F(AddFile, RefusesADuplicateNameWhateverTheDirectory) {
    const std::string one = dir.MakeDir("one"), two = dir.MakeDir("two");
    dir.Write("two/a.htm", "x");
    dir.Write("one/a.htm", "y");
    editor.AddFile("a.htm", two);
    ctx.project.modified = false;
    prompter.AnswerMessage(Answer::OK);
    editor.AddFile("a.htm", one);
    ASSERT_EQ(prompter.Messages().size(), 1u);
    const Message m = prompter.Messages()[0];
    EXPECT_EQ(m.text, "File \"a.htm\" does exist ");
    EXPECT_EQ(m.title, "Can't add");
    EXPECT_EQ(m.icon, Icon::Error);
    EXPECT_EQ(m.buttons, Buttons::OK);
    EXPECT_EQ(ctx.project.files.Count(), 1);
    EXPECT_FALSE(ctx.project.modified);
}

// A duplicate is the same name, letter case aside: a name that merely begins
// another is a different file, in either order.
TEST_F(AddFile, ADuplicateIsTheSameNameNotAPrefix) {
    dir.Write("index.html", "x");
    dir.Write("index.htm", "y");
    editor.AddFile("index.html", dir.Path());
    editor.AddFile("index.htm", dir.Path());
    EXPECT_EQ(Names(), (std::vector<std::string>{"index.html", "index.htm"}));
    prompter.AnswerMessage(Answer::OK).AnswerMessage(Answer::OK);
    editor.AddFile("INDEX.HTM", "");
    editor.AddFile("Index.Html", dir.Path());
    ASSERT_EQ(prompter.Messages().size(), 2u);
    EXPECT_EQ(prompter.Messages().at(0).text, "File \"INDEX.HTM\" does exist ");
    EXPECT_EQ(prompter.Messages().at(1).text, "File \"Index.Html\" does exist ");

    editor.RemoveFile("INDEX.HTM");
    EXPECT_EQ(Names(), std::vector<std::string>{"index.html"});
    editor.RemoveFile("index");
    EXPECT_EQ(Names(), std::vector<std::string>{"index.html"});
    editor.AddFile("index.htm", dir.Path());
    EXPECT_EQ(Names(), (std::vector<std::string>{"index.html", "index.htm"}));
}

TEST_F(AddFile, MissingFilesDirectoriesAndHiddenFilesAreRefused) {
    dir.MakeDir("sub");
    dir.Write(".hidden.htm", "x");
    ASSERT_EQ(::symlink(dir.File("gone.htm").c_str(), dir.File("dangling.htm").c_str()), 0);
    ASSERT_EQ(::symlink(dir.File("loop.htm").c_str(), dir.File("loop.htm").c_str()), 0);
    ASSERT_EQ(::mkfifo(dir.File("pipe.htm").c_str(), 0644), 0);
    struct Case {
        const char* name;
        const char* what;
    };
    for (const Case& c : {Case{"nothing.htm", "doesn't exist"}, Case{"sub", "is a directory, not a plain file"},
                          Case{".hidden.htm", "is a hidden file"}, Case{"dangling.htm", "is a link that leads nowhere"},
                          Case{"loop.htm", "is a link that leads in a circle"},
                          Case{"pipe.htm", "is a FIFO, not a plain file"}, Case{"null", "is a device, not a plain file"}}) {
        const std::string directory = std::string(c.name) == "null" ? "/dev" : dir.Path();
        prompter.AnswerMessage(Answer::OK);
        editor.AddFile(c.name, directory);
        EXPECT_EQ(prompter.Messages().back().text, "File \"" + JoinPath(directory, c.name) + "\" " + c.what + " ... ");
        EXPECT_EQ(prompter.Messages().back().title, "Can't add");
    }
    EXPECT_TRUE(ctx.project.files.Empty());
    EXPECT_FALSE(ctx.el.cmdGenerate);
    EXPECT_TRUE(ctx.project.PRJTimeStamp.empty());
}

TEST_F(AddFile, AnEmptyDirectoryNeverLooksAtTheDisk) {
    editor.AddFile("nowhere.htm", "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"nowhere.htm"}));
    EXPECT_TRUE(prompter.Log().empty());
}

TEST_F(AddFile, SizeLimitAsksOnlyAboveTheLimit) {
    dir.WriteSized("exact.gif", 32767);
    dir.WriteSized("big.gif", 32768);
    editor.AddFile("exact.gif", dir.Path());
    EXPECT_TRUE(prompter.Log().empty());

    const std::string stamp = ctx.project.PRJTimeStamp;
    ctx.project.modified = false;
    clock.Advance(60);
    prompter.AnswerMessage(Answer::No);
    editor.AddFile("big.gif", dir.Path());
    const Message q = prompter.Messages().at(0);
    EXPECT_EQ(q.text, "File \"" + dir.File("big.gif") + "\" to long ... \r\n(max. 32767 bytes)\r\nAdd to project?");
    EXPECT_EQ(q.buttons, Buttons::YesNo);
    EXPECT_EQ(q.icon, Icon::Question);
    EXPECT_EQ(q.title, "File too long");
    EXPECT_EQ(ctx.project.files.Count(), 1);
    EXPECT_FALSE(ctx.project.modified);
    EXPECT_EQ(ctx.project.PRJTimeStamp, stamp);

    prompter.AnswerMessage(Answer::Yes);
    editor.AddFile("big.gif", dir.Path());
    EXPECT_EQ(Names(), (std::vector<std::string>{"exact.gif", "big.gif"}));
}

TEST_F(AddFile, AFileThatCannotBeReadIsRefusedWithTheReason) {
    const std::string path = dir.Write("locked.htm", "x");
    ::chmod(path.c_str(), 0);
    ::chmod(dir.Path().c_str(), 0755);
    prompter.AnswerMessage(Answer::OK);
    {
        // Root reads everything; take the rights of an ordinary user for this check.
        UnprivilegedScope asUser;
        editor.AddFile("locked.htm", dir.Path());
    }
    EXPECT_EQ(prompter.Messages().at(0).text, "File \"" + path + "\" can't be read: Permission denied ");
    EXPECT_TRUE(ctx.project.files.Empty());
}

TEST_F(AddFile, ANameTheCodePageCannotHoldIsRefused) {
    const std::string name = "\xE4\xB8\xAD.htm";
    dir.Write(name, "x");
    prompter.AnswerMessage(Answer::OK);
    editor.AddFile(name, dir.Path());
    EXPECT_EQ(prompter.Messages().at(0).text, "File \"" + dir.File(name) +
                                                  "\" can't be added: its path holds characters that the code page "
                                                  "Windows-1252 cannot hold ");
    EXPECT_TRUE(ctx.project.files.Empty());
}

TEST_F(AddFile, ADirectoryTheCodePageCannotHoldIsRefused) {
    const std::string sub = dir.MakeDir("\xE4\xB8\xAD");
    dir.Write("\xE4\xB8\xAD/a.htm", "x");
    prompter.AnswerMessage(Answer::OK);
    editor.AddFile("a.htm", sub);
    EXPECT_EQ(prompter.Messages().at(0).text, "File \"" + sub +
                                                  "/a.htm\" can't be added: its path holds characters that the code page "
                                                  "Windows-1252 cannot hold ");
    EXPECT_TRUE(ctx.project.files.Empty());
    EXPECT_FALSE(ctx.project.modified);
}

TEST_F(AddFile, ASiteNameBringsInAllFourSilently) {
    editor.AddFile("varlist3.txt", "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"varlist1.txt", "varlist2.txt", "varlist3.txt", "varlist4.txt"}));
    EXPECT_TRUE(ctx.el.chkVarList);
    for (const FileEntry& e : ctx.project.files.Entries()) EXPECT_EQ(e.directory, "");
    editor.AddFile("varlist1.txt", "");
    EXPECT_EQ(ctx.project.files.Count(), 4);
    EXPECT_TRUE(prompter.Log().empty());
}

TEST_F(AddFile, ARealFileWithASiteNameBecomesTheSites) {
    dir.Write("varlist2.txt", "real");
    editor.AddFile("varlist2.txt", dir.Path());
    EXPECT_EQ(ctx.project.files.Count(), 4);
    EXPECT_EQ(ctx.project.files.At(2).directory, "");
    EXPECT_TRUE(prompter.Log().empty());
}

TEST_F(AddFile, SelectedBrowserRowsAreAddedInOrderAndDeselected) {
    for (const char* n : {"a.htm", "b.htm", "c.htm", "d.htm"}) dir.Write(n, n);
    editor.AddFile("b.htm", dir.Path());
    ctx.el.cmdAdd = true;
    std::vector<BrowserRow> rows = {{"a.htm", true}, {"b.htm", true}, {"c.htm", true}, {"d.htm", false}};
    prompter.AnswerMessage(Answer::OK);
    editor.AddSelectedFiles(rows, dir.Path());
    EXPECT_EQ(Names(), (std::vector<std::string>{"b.htm", "a.htm", "c.htm"}));
    EXPECT_EQ(prompter.Messages().size(), 1u);
    for (const BrowserRow& r : rows) EXPECT_FALSE(r.selected) << r.name;
    EXPECT_FALSE(ctx.el.cmdAdd);
}

} // namespace
} // namespace lumafold::test
