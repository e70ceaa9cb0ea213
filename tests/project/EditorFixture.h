// A project editor on a real temporary directory, with the scripted person at
// the keyboard and a fixed clock.
#pragma once

#include "FixedClock.h"
#include "FixedLocale.h"
#include "ProjectContext.h"
#include "ProjectEditor.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

namespace lumafold::test {

class RecordingHooks : public WindowHooks {
public:
    void FilterChanged(const std::string& pattern) override { filters.push_back(pattern); }
    void RefreshFileList() override { ++refreshes; }
    std::vector<std::string> filters;
    int refreshes = 0;
};

class EditorTest : public ::testing::Test {
protected:
    EditorTest() : ctx(prompter, clock, hooks, "/opt/lumafold/"), editor(ctx) {
        ::lumafold::test::UseUtcAndCLocale();
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (const FileEntry& e : ctx.project.files.Entries()) out.push_back(e.name);
        return out;
    }

    ScriptedPrompter prompter;
    FixedClock clock;
    RecordingHooks hooks;
    ProjectContext ctx;
    ProjectEditor editor;
    TempDir dir;
};

} // namespace lumafold::test
