#include "PrintReport.h"

#include "PageFigures.h"
#include "ReportPages.h"
#include "ReportTable.h"
#include "ReportText.h"

namespace lumafold {
namespace {

constexpr const char* kCantPrint = "Can't print";
constexpr int kPrinterTries = 3;

void ShowError(Prompter& p, const std::string& text) { Ask(p, text, Buttons::OK, Icon::Error, kCantPrint); }

// The dialog again whenever the chosen printer does not take A4 or the font.
bool ChoosePrinter(ProjectContext& ctx, ReportPrinter& printer) {
    for (int attempt = 0; attempt < kPrinterTries; ++attempt) {
        if (!ctx.prompter.ShowPrinter(PrintDialog{})) return false;
        ctx.hooks.ProcessPendingEvents();
        if (!printer.RequestA4() || !printer.PaperIsA4()) continue;
        if (!printer.RequestFont(kReportFont) || !IsReportFont(printer.FontFamily(), printer.FontFixedPitch())) continue;
        return true;
    }
    return false;
}

std::string TooSmallText(const PageFigures& f) {
    return "The page is too small for the report: it holds " + std::to_string(f.C + 11) + " columns and " +
           std::to_string(f.FL + kHeadingLines) + " lines, the report needs at least " +
           std::to_string(kMinNameField + 36) + " columns and " +
           std::to_string(kTitleLines + kSummaryLines + kHeadingLines + 3) + " lines ";
}

bool PrintPages(ReportPrinter& printer, const std::vector<ReportPage>& pages, double lineHeight) {
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) printer.NewPage();
        for (size_t line = 0; line < pages[p].size(); ++line)
            printer.DrawText(0, static_cast<double>(line) * lineHeight, pages[p][line]);
    }
    return printer.EndDoc();
}

} // namespace

bool IsReportFont(const std::string& family, bool fixedPitch) { return family == kReportFont || fixedPitch; }

void PrintReport(ProjectContext& ctx, ReportPrinter& printer) {
    const TableOutcome collected = CollectTable(ctx.project);
    if (!collected.ok) {
        ShowError(ctx.prompter, collected.failure);
        return;
    }
    if (!ChoosePrinter(ctx, printer)) return;

    printer.SetFontSize(kReportFontPoints, false);
    const TextSize blank = printer.Measure(" ");
    const PageFigures figures = ComputeFigures(PrintableArea(printer.Figures(), blank));
    if (!figures.Fits()) {
        printer.Abort();
        ShowError(ctx.prompter, TooSmallText(figures));
        return;
    }
    const std::vector<ReportPage> pages = LayoutReport(ctx.project, collected.table, figures);
    if (!PrintPages(printer, pages, blank.height))
        ShowError(ctx.prompter, "The report could not be printed: the printer did not take the job ");
}

} // namespace lumafold
