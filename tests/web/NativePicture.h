#pragma once
// The board picture as the Linux build draws it, after a list of steps: once
// by the board drawing onto a device context, once by the Life control painting
// its window in a headless container. The browser tests compare the element's
// canvas with these.
#include "Raster.h"

#include <optional>
#include <string>
#include <vector>

struct PictureStep {
    enum Kind { Press, Generations } kind;
    int a; // the press's x, or the number of generations
    int b; // the press's y
    bool operator==(const PictureStep&) const = default;
};

// "--press X,Y" and "--generations N" in the order given.
std::optional<std::vector<PictureStep>> ParsePictureSteps(const std::vector<std::string>& args, std::string& problem);

Raster DrawnByBoard(const std::vector<PictureStep>& steps);
Raster DrawnByControl(const std::vector<PictureStep>& steps);
