#pragma once
// The report as aligned tables, one per group, with German headings.

#include "Report.h"

#include <ostream>
#include <vector>

namespace lampen::cli {

void writeText(std::ostream& out, const std::vector<GroupReport>& groups);

} // namespace lampen::cli
