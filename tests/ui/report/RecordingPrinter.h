// A printer for tests: it stands for the device at the end of the cable. It
// takes or refuses A4 and the font as told, reports the figures it is given,
// and keeps every page as the lines drawn on it with their positions.
#pragma once

#include "ReportPrinter.h"

#include <string>
#include <vector>

namespace lumafold::test {

struct DrawnLine {
    double x = 0;
    double y = 0;
    std::string text;
};

class RecordingPrinter final : public ReportPrinter {
public:
    // A4 with a printable area of 560 x 806 points at 72 dpi, and the metrics
    // of Courier New 9 pt.
    int refuseA4 = 0;              // so many requests for A4 are refused
    int reportLetter = 0;          // so many times A4 is taken but Letter read back
    std::string family = "Courier New";
    bool fixedPitch = true;
    DeviceFigures device{600, 846, 20, 20, 72, 72};
    TextSize blank{5.4, 10.2};
    bool jobFails = false;

    bool RequestA4() override {
        ++a4Requests;
        if (refuseA4 > 0) return --refuseA4, false;
        paperA4 = reportLetter == 0;
        if (reportLetter > 0) --reportLetter;
        return true;
    }
    bool PaperIsA4() const override { return paperA4; }
    bool RequestFont(const std::string& name) override {
        requestedFont = name;
        return true;
    }
    std::string FontFamily() const override { return family; }
    bool FontFixedPitch() const override { return fixedPitch; }
    void SetFontSize(double points, bool isBold) override {
        fontPoints = points;
        bold = isBold;
    }
    DeviceFigures Figures() const override { return device; }
    TextSize Measure(const std::string& /*text*/) const override { return blank; }
    void DrawText(double x, double y, const std::string& text) override {
        if (pages.empty()) pages.emplace_back();
        pages.back().push_back({x, y, text});
    }
    void NewPage() override { pages.emplace_back(); }
    bool EndDoc() override {
        ++ended;
        return !jobFails;
    }
    void Abort() override { ++aborted; }

    int a4Requests = 0;
    bool paperA4 = false;
    std::string requestedFont;
    double fontPoints = 0;
    bool bold = true;
    std::vector<std::vector<DrawnLine>> pages;
    int ended = 0;
    int aborted = 0;
};

} // namespace lumafold::test
