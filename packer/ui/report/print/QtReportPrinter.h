// The report's printer on a QPrinter: the same code prints on paper and, with
// a QPrinter in PDF mode, into a PDF file.
//
// Wiring it into the window: the print dialog that Prompter::ShowPrinter shows
// must work on the QPrinter this class prints on, so that the person's choice
// of printer holds. Make one QtReportPrinter on the prompter's printer
// (QtPrompter::Printer()), keep it as long as the workbench lives, hand it to
// Workbench::SetPrinter before the first Print and link lumafold_report_print;
// the menu command then calls Workbench::mnuPrint_Click.
#pragma once

#include "ReportPrinter.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace lumafold {

class QtReportPrinter final : public ReportPrinter {
public:
    explicit QtReportPrinter(QPrinter& printer);
    ~QtReportPrinter() override;
    QtReportPrinter(const QtReportPrinter&) = delete;
    QtReportPrinter& operator=(const QtReportPrinter&) = delete;

    QPrinter& Device() { return printer_; }

    bool RequestA4() override;
    bool PaperIsA4() const override;
    bool RequestFont(const std::string& family) override;
    std::string FontFamily() const override;
    bool FontFixedPitch() const override;
    void SetFontSize(double points, bool bold) override;
    DeviceFigures Figures() const override;
    TextSize Measure(const std::string& text) const override;
    void DrawText(double x, double y, const std::string& text) override;
    void NewPage() override;
    bool EndDoc() override;
    void Abort() override;

private:
    // The font as the printer resolves it at its own resolution.
    QFont DeviceFont() const;
    double ToPixelsX(double points) const;
    double ToPixelsY(double points) const;
    double ToPointsY(double pixels) const;
    double ToPointsX(double pixels) const;
    // Starts the job on the first line; false when the printer refused it.
    bool Begin();

    QPrinter& printer_;
    QFont font_;
    std::unique_ptr<QPainter> painter_;
    bool failed_ = false;
};

} // namespace lumafold
