// The four VarList sites (varlist1.txt .. varlist4.txt) and the two tests that
// tell them from real files.
#pragma once

#include <string>

namespace lumafold {

inline constexpr int kSiteCount = 4;

// "varlist" + digit 1..4 + ".txt".
std::string SiteName(int number);

// Exact match with one of the four names, letter case included. Used by adding
// and the Remove button.
bool IsSiteName(const std::string& name);

// The name contains "varlist" (lower case) anywhere. Used by the project file
// writer, the generator and the report: myvarlist.htm counts, VarList1.txt not.
bool IsSite(const std::string& name);

} // namespace lumafold
