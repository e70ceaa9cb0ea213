// The real window on real temporary directories, driven through its widgets
// with mouse and keyboard events; the scripted person answers every prompt and
// the settings store lives in the test's own directory.
#pragma once

#include "FixedClock.h"
#include "GUI.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QRect>
#include <QSettings>
#include <QStringList>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QListWidget;
class QTreeWidget;

// Rectangles read as numbers in failure messages.
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace lumafold::test {

// Twips in pixels at the offscreen screen's 96 dpi: 15 twips to the pixel.
inline int Px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

using ListRow = std::pair<std::string, std::string>;  // FileName, FilePath

class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    // Opens the window with the browser on startDir (the site when empty),
    // shown and active.
    GUI& Open(const std::string& startDir = {});
    // Closes the window as its close box does, then lets it go.
    void Close();

    template <class T> T* Find(const char* name) const {
        T* w = gui->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << "no element " << name;
        return w;
    }
    QAction* Action(const char* name) const;
    // Runs a menu command as choosing it in the menu does.
    void Menu(const char* name);

    // The browser.
    QStringList FileRows() const;
    // Clicks the first name, control-clicks the others.
    void PickFiles(const QStringList& names);
    void DoubleClickFile(const QString& name);
    // Replaces Combo1's text by typing.
    void TypeFilter(const QString& text);
    // Opens the directory tree's row of that label with the keyboard.
    void OpenTreeRow(const QString& label);
    QStringList TreeRows() const;

    // The project list.
    std::vector<ListRow> ListRows() const;
    void PickListRows(const QStringList& names);

    void Click(QAbstractButton* button);
    void ClickVarList();
    // Clicks into MaskEdBox1 and types over its selected text.
    void TypeIndexDB(const QString& typed);
    // TypeIndexDB, then Tab.
    void EnterIndexDB(const QString& typed);

    // Where the store keeps its file, and a fresh look at it.
    std::string StoreFile() const;
    std::unique_ptr<QSettings> FreshStore() const;
    void StorePlacement(const QStringList& values);

    ScriptedPrompter prompter;
    FixedClock clock;
    TempDir home;  // the program's directory and the settings store
    TempDir site;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<GUI> gui;
};

} // namespace lumafold::test
