// The whole report as pages of text lines: the title and summary blocks and
// the column heading on the first page, the heading again on every later one,
// and the file lines split F1 on the first page and FL on each later page.
#pragma once

#include "PageFigures.h"
#include "Project.h"
#include "ReportTable.h"

#include <string>
#include <vector>

namespace lumafold {

using ReportPage = std::vector<std::string>;

// figures must fit (PageFigures::Fits).
std::vector<ReportPage> LayoutReport(const Project& project, const ReportTable& table, const PageFigures& figures);

} // namespace lumafold
