#pragma once
// Where the groups' reports go, one group at a time: a group is written as soon as it is
// reported, so no report outlives its own group.

#include "Report.h"

namespace lampen::cli {

class ReportWriter {
public:
    virtual ~ReportWriter() = default;
    virtual void group(const GroupReport& report) = 0;
    // Closes the document after the last group.
    virtual void finish() = 0;
};

} // namespace lampen::cli
