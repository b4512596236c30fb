#pragma once
// A written PDF read back with poppler's command-line tools.

#include <string>
#include <vector>

namespace lampen::testing {

// The text of every page, in page order; empty when pdftotext failed.
std::vector<std::string> pdfPageTexts(const std::string& pdf);

// The page count pdfinfo reports; -1 when it failed.
int pdfPageCount(const std::string& pdf);

// A scratch file path for this test, ending in the given suffix.
std::string scratchPath(const std::string& suffix);

} // namespace lampen::testing
