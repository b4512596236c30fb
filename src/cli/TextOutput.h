#pragma once
// The report as aligned tables, one per group, with German headings.

#include "OutputBuffer.h"
#include "ReportWriter.h"

namespace lampen::cli {

class TextWriter : public ReportWriter {
public:
    explicit TextWriter(OutputBuffer& out) : out_(out) {}
    void group(const GroupReport& report) override;
    void finish() override {}

private:
    OutputBuffer& out_;
    bool first_ = true;
};

} // namespace lampen::cli
