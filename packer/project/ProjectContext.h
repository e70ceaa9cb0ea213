// Everything a command of the workbench works on: the one project, the window
// elements, the person (through the Prompter), the clock and the window hooks.
#pragma once

#include "Clock.h"
#include "Elements.h"
#include "Project.h"
#include "Prompter.h"

#include <string>

namespace lumafold {

struct ProjectContext {
    ProjectContext(Prompter& p, const Clock& c, WindowHooks& h, std::string programDirectory)
        : prompter(p), clock(c), hooks(h), programDir(std::move(programDirectory)) {}

    Project project;
    Elements el;
    Prompter& prompter;
    const Clock& clock;
    WindowHooks& hooks;
    std::string programDir;  // the program's own directory, ends in a separator
};

} // namespace lumafold
