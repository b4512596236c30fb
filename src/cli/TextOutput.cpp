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

void putSpaces(OutputBuffer& out, std::size_t n) {
    static constexpr std::string_view kBlanks = "                                ";
    for (; n > kBlanks.size(); n -= kBlanks.size())
        out.put(kBlanks);
    out.put(kBlanks.substr(0, n));
}

void putTable(OutputBuffer& out, const std::vector<std::vector<std::string>>& rows) {
    const auto& cols = columns();
    std::vector<std::size_t> widths(cols.size());
    for (const auto& r : rows)
        for (std::size_t i = 0; i < cols.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(r[i]));
    for (const auto& r : rows) {
        for (std::size_t i = 0; i < cols.size(); ++i) {
            const std::size_t padding = widths[i] - displayWidth(r[i]);
            if (i != 0)
                out.put("  ");
            if (cols[i].align == Align::Right)
                putSpaces(out, padding);
            out.put(r[i]);
            if (cols[i].align == Align::Left && i + 1 < cols.size())
                putSpaces(out, padding);
        }
        out.put('\n');
    }
}

} // namespace

void TextWriter::group(const GroupReport& report) {
    if (report.error) // said on stderr; the table has nothing to show
        return;
    if (!first_)
        out_.put('\n');
    first_ = false;
    out_.put(heading(report));
    out_.put('\n');
    std::vector<std::vector<std::string>> rows;
    rows.reserve(report.circuits.size() + 1);
    std::vector<std::string> head;
    for (const auto& col : columns())
        head.push_back(col.heading);
    rows.push_back(std::move(head));
    for (const auto& c : report.circuits)
        rows.push_back(row(c));
    putTable(out_, rows);
}

} // namespace lampen::cli
