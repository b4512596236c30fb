#pragma once
// Lines as the program writes them everywhere, in group files and in its text boxes alike:
// every line followed by CR LF, the last one included, after an optional lead (a byte-order
// mark).

#include <string>
#include <string_view>

namespace lampen {

template <class Lines> std::string crlfLines(const Lines& lines, std::string_view lead = {}) {
    std::size_t size = lead.size();
    for (const auto& line : lines)
        size += std::size(line) + 2;
    std::string text;
    text.reserve(size);
    text += lead;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace lampen
