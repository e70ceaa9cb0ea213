#include "ReportPages.h"

#include "ReportText.h"

namespace lumafold {
namespace {

void Append(ReportPage& page, const std::vector<std::string>& lines) { page.insert(page.end(), lines.begin(), lines.end()); }

} // namespace

std::vector<ReportPage> LayoutReport(const Project& project, const ReportTable& table, const PageFigures& figures) {
    const std::vector<std::string> heading = HeadingLines(figures.W);
    std::vector<ReportPage> pages(1);
    Append(pages.back(), TitleLines(project));
    Append(pages.back(), SummaryLines(project, table));
    Append(pages.back(), heading);

    int limit = figures.F1;
    int count = 0;
    for (size_t i = 0; i < table.rows.size(); ++i) {
        pages.back().push_back(FileLine(table.rows[i], figures.W));
        ++count;
        if (count >= limit && i + 1 < table.rows.size()) {
            pages.emplace_back(heading);
            limit = figures.FL;
            count = 0;
        }
    }
    return pages;
}

} // namespace lumafold
