#include "TextOutput.h"

#include "Utf8.h"

#include <algorithm>
#include <string>
#include <utility>

namespace lampen::cli {

namespace {

// The longest well-formed code has 112 characters; anything longer is cut for the table.
constexpr std::size_t kMaxCodeWidth = 112;

enum class Align { Left, Right };

struct Column {
    std::string heading;
    Align align;
};

const std::vector<Column>& columns() {
    static const std::vector<Column> cols = {
        {"Nr.", Align::Right},     {"Code", Align::Left},    {"Lampen", Align::Right},
        {"Rang", Align::Right},    {"Muster", Align::Right}, {"herstellbar", Align::Right},
        {"alle", Align::Left},     {"lösbar", Align::Left},  {"min.", Align::Right},
        {"Lösungen", Align::Left},
    };
    return cols;
}

std::string yesNo(bool b) {
    return b ? "ja" : "nein";
}

std::string shownCode(const std::string& code) {
    std::string text = printable(code);
    if (displayWidth(text) <= kMaxCodeWidth)
        return text;
    std::string cut;
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < text.size() && width < kMaxCodeWidth - 1; ++width) {
        const Utf8Step step = nextCodePoint(text, pos);
        cut.append(text, pos, step.length);
        pos += step.length;
    }
    return cut + "…";
}

std::string joined(const std::vector<std::string>& parts) {
    if (parts.empty())
        return "-";
    std::string text;
    for (const auto& p : parts)
        text += (text.empty() ? "" : " ") + p;
    return text;
}

std::vector<std::string> row(const CircuitReport& c) {
    return {std::to_string(c.nr),
            shownCode(c.code),
            std::to_string(c.lamps),
            std::to_string(c.rank),
            std::to_string(c.patterns),
            std::to_string(c.producible),
            yesNo(c.allProducible),
            yesNo(c.solvable),
            c.minPresses ? std::to_string(*c.minPresses) : "-",
            joined(c.solutions)};
}

std::string heading(const GroupReport& g) {
    const std::size_t n = g.circuits.size();
    return printable(g.file) + ": " + std::to_string(n) + (n == 1 ? " Schaltung" : " Schaltungen") +
           ", Ziel: alle Lampen";
}

void writeTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    const auto& cols = columns();
    std::vector<std::size_t> widths(cols.size());
    for (const auto& r : rows)
        for (std::size_t i = 0; i < cols.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(r[i]));
    for (const auto& r : rows) {
        std::string line;
        for (std::size_t i = 0; i < cols.size(); ++i) {
            const std::string padding(widths[i] - displayWidth(r[i]), ' ');
            if (i != 0)
                line += "  ";
            if (cols[i].align == Align::Right)
                line += padding + r[i];
            else
                line += r[i] + (i + 1 < cols.size() ? padding : "");
        }
        out << line << '\n';
    }
}

} // namespace

void writeText(std::ostream& out, const std::vector<GroupReport>& groups) {
    bool first = true;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].error) // said on stderr; the table has nothing to show
            continue;
        if (!std::exchange(first, false))
            out << '\n';
        out << heading(groups[g]) << '\n';
        std::vector<std::vector<std::string>> rows;
        std::vector<std::string> head;
        for (const auto& col : columns())
            head.push_back(col.heading);
        rows.push_back(std::move(head));
        for (const auto& c : groups[g].circuits)
            rows.push_back(row(c));
        writeTable(out, rows);
    }
}

} // namespace lampen::cli
