#include "PageFigures.h"

#include "ReportText.h"

#include <cmath>

namespace lumafold {
namespace {

constexpr int kLeftMargin = 6;
constexpr int kRightMargin = 5;
constexpr int kNumberColumns = 23 + 2;  // "Datablock Datablocksize" and 2 more
// Keeps a quotient that is an integer up to rounding from dropping below it.
constexpr double kSlack = 1e-9;
// Far beyond any paper, small enough for an int.
constexpr double kMaxCount = 1e6;

// How many whole items of size fit into length; 0 when that is not a sound count.
int Fit(double length, double size) {
    if (!(size > 0) || !(length > 0)) return 0;
    const double count = std::floor(length / size + kSlack);
    return std::isfinite(count) && count < kMaxCount ? static_cast<int>(count) : 0;
}

double Points(double pixels, double dpi) { return dpi > 0 ? pixels * 72.0 / dpi : 0; }

} // namespace

bool PageFigures::Fits() const { return W >= kMinNameField && F1 >= 1; }

PageMetrics PrintableArea(const DeviceFigures& d, const TextSize& blank) {
    return {Points(d.pageWidth - 2 * d.offsetLeft, d.dpiX), Points(d.pageHeight - 2 * d.offsetTop, d.dpiY),
            blank.width, blank.height};
}

PageFigures ComputeFigures(const PageMetrics& m) {
    PageFigures f;
    f.C = Fit(m.PW, m.cw) - kLeftMargin - kRightMargin;
    f.W = f.C - kNumberColumns;
    const int lines = Fit(m.PH, m.lh);
    f.F1 = lines - kTitleLines - kSummaryLines - kHeadingLines - 2;
    f.FL = lines - kHeadingLines;
    return f;
}

} // namespace lumafold
