// lampen-analyse: reports for every circuit of one or more groups what the window knows
// before the first press, for teachers preparing their groups.

#include "Arguments.h"
#include "FileErrorText.h"
#include "JsonOutput.h"
#include "OutputBuffer.h"
#include "Report.h"
#include "TextOutput.h"
#include "Utf8.h"
#include "WorksheetCommand.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kProgram = "lampen-analyse";

// Each group is read, reported, written and freed before the next one is read, so memory stays
// that of one group however many files are named.
int run(const lampen::cli::Options& options) {
    using namespace lampen::cli;
    OutputBuffer out(stdout);
    JsonWriter json(out);
    TextWriter text(out);
    ReportWriter& writer = options.json ? static_cast<ReportWriter&>(json) : text;
    bool allRead = true;
    for (const auto& source : options.sources) {
        if (!out.ok())
            break; // nobody reads what follows
        if (source.builtIn) {
            writer.group(reportBuiltIn());
            continue;
        }
        const GroupReport report = reportFile(source.file);
        if (report.error) {
            std::cerr << kProgram << ": "
                      << printable(source.file + ": " + lampen::germanReason(*report.error))
                      << '\n';
            allRead = false;
        }
        writer.group(report); // an unreadable file keeps its place in the JSON document
    }
    writer.finish();
    if (!out.flush()) {
        std::cerr << kProgram << ": Ausgabe fehlgeschlagen\n";
        return 1;
    }
    return allRead ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    using namespace lampen::cli;
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const ParsedArguments parsed = parseArguments(args);
    if (!parsed.ok) {
        std::cerr << kProgram << ": " << printable(parsed.error) << "\n\n" << usageText();
        return 2;
    }
    if (parsed.options.help || parsed.options.version) {
        std::cout << (parsed.options.help ? usageText()
                                          : std::string(kProgram) + " " LAMPEN_VERSION "\n");
        return std::cout.flush() ? 0 : 1;
    }
    try {
        if (parsed.options.worksheet)
            return writeWorksheetFile(parsed.options);
        return run(parsed.options);
    } catch (const std::exception& e) {
        std::cerr << kProgram << ": " << e.what() << '\n';
        return 1;
    }
}
