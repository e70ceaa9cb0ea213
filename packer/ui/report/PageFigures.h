// The page figures of the report: columns C, name field width W, file lines F1
// on the first page and FL on each later one, from the printable area and the
// font's character width and line height, all in points.
#pragma once

#include "ReportPrinter.h"

namespace lumafold {

struct PageMetrics {
    double PW = 0;  // printable width
    double PH = 0;  // printable height
    double cw = 0;  // width of one blank
    double lh = 0;  // height of one blank
};

struct PageFigures {
    int C = 0;
    int W = 0;
    int F1 = 0;
    int FL = 0;
    // The heading needs a name field of 13 and the first page one file line.
    bool Fits() const;
};

// Printable width and height in points: the physical page less twice the
// offset of the printable area.
PageMetrics PrintableArea(const DeviceFigures& device, const TextSize& blank);

// A metric that is zero, negative or not a number gives figures that do not fit.
PageFigures ComputeFigures(const PageMetrics& m);

} // namespace lumafold
