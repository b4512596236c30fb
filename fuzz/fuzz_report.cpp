// Arbitrary bytes through the analysis tool's report writer. The first line names the file,
// the rest is its group; a second, unreadable file carries an error chosen by the first two
// bytes. Both reports go out as JSON and as tables, which must be valid UTF-8 without control
// characters, with every circuit and the error in their places.

#include "FileError.h"
#include "FuzzCheck.h"
#include "GroupFile.h"
#include "JsonOutput.h"
#include "OutputBuffer.h"
#include "Report.h"
#include "TextOutput.h"
#include "Utf8.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace lampen;
using cli::GroupReport;
using fuzz::check;

constexpr std::size_t kReportedLines = 12;

// Valid UTF-8 with no control character but the line feed; JSON may carry DEL and the C1
// controls as they are, a terminal may not.
bool cleanText(std::string_view text, bool forTerminal) {
    for (std::size_t pos = 0; pos < text.size();) {
        const cli::Utf8Step step = cli::nextCodePoint(text, pos);
        if (!step.valid || (step.codePoint < 0x20 && step.codePoint != '\n') ||
            (forTerminal && step.codePoint >= 0x7F && step.codePoint < 0xA0))
            return false;
        pos += step.length;
    }
    return true;
}

std::size_t count(std::string_view text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos;
         at = text.find(what, at + what.size()))
        ++n;
    return n;
}

FileError chosenError(std::string_view bytes) {
    const auto byte = [&](std::size_t i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u;
    };
    const auto code =
        static_cast<FileErrc>(byte(0) % (static_cast<int>(FileErrc::OtherSystemError) + 1));
    return {code, static_cast<int>(byte(1)), "unlesbar.lmp", byte(0) * 4096u};
}

// What a report writer writes for the groups, through the tool's own output buffer.
template <class Writer> std::string written(std::initializer_list<const GroupReport*> groups) {
    char* bytes = nullptr;
    std::size_t length = 0;
    std::FILE* memory = ::open_memstream(&bytes, &length);
    check(memory != nullptr, "a memory stream");
    {
        cli::OutputBuffer out(memory);
        Writer writer(out);
        for (const GroupReport* g : groups)
            writer.group(*g);
        writer.finish();
    }
    std::fclose(memory);
    std::string text(bytes, length);
    std::free(bytes);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t firstEnd = std::min(bytes.find('\n'), bytes.size());
    const FileResult<GroupLines> read = parseGroup(bytes.substr(std::min(firstEnd + 1, size)));
    if (!read)
        return 0;
    // A few circuits show every way a row is written; two hundred would only be slower.
    GroupLines lines = read.value();
    lines.resize(std::min<std::size_t>(lines.size(), kReportedLines));
    const GroupReport group = cli::reportGroup(std::string(bytes.substr(0, firstEnd)), lines);
    check(group.circuits.size() == lines.size(), "one report per circuit");
    const GroupReport failed{"unlesbar.lmp", {}, chosenError(bytes)};

    const std::string j = written<cli::JsonWriter>({&group, &failed});
    check(cleanText(j, false) && count(j, "\n") == 1 && j.back() == '\n', "JSON is one clean line");
    check(j.rfind("{\"files\":[{\"file\":", 0) == 0, "JSON starts with the files");
    check(count(j, "{\"nr\":") == group.circuits.size(), "every circuit in the JSON");
    const std::size_t last = j.rfind(",{\"file\":\"unlesbar.lmp\",\"error\":\"");
    check(last != std::string::npos && j.compare(j.size() - 5, 5, "\"}]}\n") == 0 &&
              j.find("}]}\n", last) == j.size() - 4,
          "the unreadable file last, with its reason");

    const std::string t = written<cli::TextWriter>({&failed, &group});
    check(cleanText(t, true), "the table is clean text");
    check(count(t, "\n") == group.circuits.size() + 2, "heading, column heads, one row each");
    return 0;
}
