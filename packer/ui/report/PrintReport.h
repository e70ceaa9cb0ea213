// The Print command: collects the file table, lets the person choose a printer
// (up to three times, until one takes A4 and the report font), measures the
// page and prints the report's pages. It changes nothing in the project.
#pragma once

#include "ProjectContext.h"
#include "ReportPrinter.h"

namespace lumafold {

inline constexpr const char* kReportFont = "Courier New";
inline constexpr double kReportFontPoints = 9;

// The printer's answer to a request for "Courier New": the family itself, or
// a fixed-pitch stand-in (on Linux fontconfig serves Liberation Mono, which has
// Courier New's metrics), keeps the columns of the report straight.
bool IsReportFont(const std::string& family, bool fixedPitch);

void PrintReport(ProjectContext& ctx, ReportPrinter& printer);

} // namespace lumafold
