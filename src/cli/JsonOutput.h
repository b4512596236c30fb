#pragma once
// The report as one JSON document on a single line.

#include "Report.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lampen::cli {

// A JSON string literal of any bytes: quotes, backslashes and control characters escaped,
// invalid UTF-8 replaced by U+FFFD, so the result is always valid JSON.
std::string jsonString(std::string_view bytes);

void writeJson(std::ostream& out, const std::vector<GroupReport>& groups);

} // namespace lampen::cli
