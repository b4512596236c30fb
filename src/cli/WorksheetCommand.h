#pragma once
// lampen-analyse --arbeitsblatt OUT.pdf: the group as a worksheet PDF instead of a report.

#include "Arguments.h"

namespace lampen::cli {

// Writes the worksheet of the one group in the options to options.worksheet. Silent on
// success (0); a German message on stderr and 1 when the group cannot be read or the file
// cannot be written. Starts Qt, off screen when there is no display.
int writeWorksheetFile(const Options& options);

} // namespace lampen::cli
