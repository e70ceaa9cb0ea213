// A project context on a real temporary directory with the scripted person at
// the keyboard, a fixed clock and hooks that record what the window was asked
// to do; and the byte-for-byte comparison with golden AWL files.
#pragma once

#include "AwlWriter.h"
#include "BlockPlan.h"
#include "FixedClock.h"
#include "ProjectContext.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace lumafold::test {

// What the window saw each time it was let process its events.
class WatchingHooks : public WindowHooks {
public:
    explicit WatchingHooks(const Elements* el = nullptr) : el_(el) {}
    void Watch(const Elements* el) { el_ = el; }
    void RefreshFileList() override { ++refreshes; }
    void ProcessPendingEvents() override {
        ++events;
        if (el_) labels.push_back(el_->Label2);
        if (during) during();
    }
    int refreshes = 0;
    int events = 0;
    std::vector<std::string> labels;
    std::function<void()> during;

private:
    const Elements* el_;
};

class GeneratorTest : public ::testing::Test {
public:
    GeneratorTest();

    // Adds an entry to the list as it stands (no checks: planning makes them).
    void AddEntry(const std::string& name, const std::string& directory);
    // Writes a file into the temporary directory and lists it.
    void AddFile(const std::string& name, const std::string& bytes);
    void AddSites();
    // Writes the AWL source of the plan to a file and returns its text, with
    // the temporary directory shown as C:\Web\ as in the examples.
    std::string Generate(const BlockPlan& plan, const std::string& timeStamp = "05.03.2002 14:07:31",
                         WriteProgress* progress = nullptr);
    std::string Shown(std::string text) const;

    ScriptedPrompter prompter;
    FixedClock clock;
    WatchingHooks hooks;
    ProjectContext ctx;
    TempDir dir;
};

// Fails with the first differing line when text differs from the golden file.
void ExpectGolden(const std::string& text, const std::string& goldenName);

} // namespace lumafold::test
