// The printer as the report sees it: paper and font requested and read back,
// the device's figures, text measured in points, and lines of text placed on
// pages. The window implements it with QPrinter (QtReportPrinter); the
// workbench knows only this interface, so the report's rules need no display.
//
// Wiring: the window's Prompter shows the print dialog on its one QPrinter
// (QtPrompter::Printer()); a QtReportPrinter on that same QPrinter goes to
// Workbench::SetPrinter, and Workbench::mnuPrint_Click prints through it.
#pragma once

#include <string>

namespace lumafold {

// The physical page and the printable area's offsets in device pixels, and the
// device's resolution to turn pixels into points (pixels * 72 / dpi).
struct DeviceFigures {
    double pageWidth = 0;
    double pageHeight = 0;
    double offsetLeft = 0;
    double offsetTop = 0;
    double dpiX = 72;
    double dpiY = 72;
};

// Width and height of a text in points.
struct TextSize {
    double width = 0;
    double height = 0;
};

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    // False when the printer refuses A4.
    virtual bool RequestA4() = 0;
    // The paper size the printer reports now.
    virtual bool PaperIsA4() const = 0;
    // False when the printer refuses the family.
    virtual bool RequestFont(const std::string& family) = 0;
    // The family the printer really uses for the request, and whether it is
    // fixed pitch.
    virtual std::string FontFamily() const = 0;
    virtual bool FontFixedPitch() const = 0;
    virtual void SetFontSize(double points, bool bold) = 0;

    virtual DeviceFigures Figures() const = 0;
    // In the current font; a text with line breaks measures as all its lines.
    virtual TextSize Measure(const std::string& text) const = 0;

    // Places a line of UTF-8 text with its top left corner at (x, y) points
    // from the printable area's top left corner. The print job begins with the
    // first line.
    virtual void DrawText(double x, double y, const std::string& text) = 0;
    virtual void NewPage() = 0;
    // Ends the job and hands it to the printer; false when the job failed.
    virtual bool EndDoc() = 0;
    // Drops the job: nothing is printed.
    virtual void Abort() = 0;
};

} // namespace lumafold
