#pragma once
// The report as one JSON document on a single line, written group by group.

#include "OutputBuffer.h"
#include "ReportWriter.h"

#include <string_view>

namespace lampen::cli {

// A JSON string literal of any bytes: quotes, backslashes and control characters escaped,
// invalid UTF-8 replaced by U+FFFD, so the result is always valid JSON.
void putJsonString(OutputBuffer& out, std::string_view bytes);

class JsonWriter : public ReportWriter {
public:
    explicit JsonWriter(OutputBuffer& out) : out_(out) {}
    void group(const GroupReport& report) override;
    void finish() override;

private:
    void separate();

    OutputBuffer& out_;
    bool started_ = false;
};

} // namespace lampen::cli
