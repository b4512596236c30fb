// lampen-analyse: reports for every circuit of one or more groups what the window knows
// before the first press, for teachers preparing their groups.

#include "Arguments.h"
#include "FileErrorText.h"
#include "JsonOutput.h"
#include "Report.h"
#include "TextOutput.h"
#include "Utf8.h"

#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kProgram = "lampen-analyse";

int run(const lampen::cli::Options& options) {
    using namespace lampen::cli;
    std::vector<GroupReport> groups;
    bool allRead = true;
    for (const auto& source : options.sources) {
        if (source.builtIn) {
            groups.push_back(reportBuiltIn());
            continue;
        }
        GroupReport report = reportFile(source.file);
        if (report.error) {
            std::cerr << kProgram << ": "
                      << printable(source.file + ": " + lampen::germanReason(*report.error))
                      << '\n';
            allRead = false;
        }
        groups.push_back(std::move(report));
    }
    if (options.json)
        writeJson(std::cout, groups);
    else
        writeText(std::cout, groups);
    std::cout.flush();
    if (!std::cout) {
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
    if (parsed.options.help) {
        std::cout << usageText();
        return std::cout.flush() ? 0 : 1;
    }
    try {
        return run(parsed.options);
    } catch (const std::exception& e) {
        std::cerr << kProgram << ": " << e.what() << '\n';
        return 1;
    }
}
