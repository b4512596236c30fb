#include "CircuitSheet.h"

#include <filesystem>

namespace lampen::print {

namespace {

unsigned allLamps(int k) {
    return (1u << (k + 1)) - 1;
}

std::string names(char prefix, unsigned set) {
    std::string text;
    for (int i = 0; i <= kMaxIndex; ++i) {
        if (!(set & (1u << i)))
            continue;
        if (!text.empty())
            text += ", ";
        text += prefix;
        text += static_cast<char>('0' + i);
    }
    return text;
}

} // namespace

std::vector<CircuitSheet> circuitSheets(const WorksheetInput& input) {
    std::vector<CircuitSheet> sheets;
    sheets.reserve(input.codes.size());
    const std::string name = shownGroupName(input.groupName);
    const int count = static_cast<int>(input.codes.size());
    for (int i = 0; i < count; ++i) {
        CircuitSheet s;
        s.nr = i + 1;
        s.count = count;
        s.groupName = name;
        const std::string& code = input.codes[static_cast<std::size_t>(i)];
        s.k = readMaxIndex(code);
        readWiring(code, s.k, s.wiring);
        s.target = allLamps(s.k);
        if (input.current && input.current->index == i)
            s.target = input.current->target & allLamps(s.k);
        s.analysis = analyse(s.k, s.wiring, s.target);
        sheets.push_back(std::move(s));
    }
    return sheets;
}

std::string shownGroupName(std::string_view groupName) {
    const std::filesystem::path path(groupName);
    return path.has_filename() ? path.filename().string() : std::string(groupName);
}

std::string switchSetText(unsigned set) {
    return "{" + names('S', set) + "}";
}

std::string targetText(const CircuitSheet& sheet) {
    if (sheet.target == allLamps(sheet.k))
        return "alle Lampen";
    if (sheet.target == 0)
        return "keine Lampe";
    return names('L', sheet.target);
}

} // namespace lampen::print
