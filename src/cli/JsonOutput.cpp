#include "JsonOutput.h"

#include "FileErrorText.h"
#include "Utf8.h"

#include <cstdio>

namespace lampen::cli {

namespace {

void appendEscaped(std::string& out, char32_t cp) {
    switch (cp) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    if (cp < 0x20 || cp == 0x7F) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(cp));
        out += buf;
        return;
    }
    appendUtf8(out, cp);
}

const char* boolText(bool b) {
    return b ? "true" : "false";
}

void writeCircuit(std::ostream& out, const CircuitReport& c) {
    out << "{\"nr\":" << c.nr << ",\"code\":" << jsonString(c.code) << ",\"lamps\":" << c.lamps
        << ",\"rank\":" << c.rank << ",\"patterns\":" << c.patterns
        << ",\"producible\":" << c.producible << ",\"allProducible\":" << boolText(c.allProducible)
        << ",\"fullTarget\":{\"solvable\":" << boolText(c.solvable) << ",\"minPresses\":";
    if (c.minPresses)
        out << *c.minPresses;
    else
        out << "null";
    out << ",\"solutions\":[";
    for (std::size_t i = 0; i < c.solutions.size(); ++i)
        out << (i == 0 ? "" : ",") << jsonString(c.solutions[i]);
    out << "]}}";
}

} // namespace

std::string jsonString(std::string_view bytes) {
    std::string out = "\"";
    out.reserve(bytes.size() + 2);
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Utf8Step step = nextCodePoint(bytes, pos);
        appendEscaped(out, step.valid ? step.codePoint : kReplacement);
        pos += step.length;
    }
    out += '"';
    return out;
}

void writeJson(std::ostream& out, const std::vector<GroupReport>& groups) {
    out << "{\"files\":[";
    for (std::size_t g = 0; g < groups.size(); ++g) {
        out << (g == 0 ? "" : ",") << "{\"file\":" << jsonString(groups[g].file);
        if (groups[g].error) { // in its place among the others, so the order still says which
            out << ",\"error\":" << jsonString(germanReason(*groups[g].error)) << '}';
            continue;
        }
        out << ",\"circuits\":[";
        const auto& circuits = groups[g].circuits;
        for (std::size_t i = 0; i < circuits.size(); ++i) {
            if (i != 0)
                out << ',';
            writeCircuit(out, circuits[i]);
        }
        out << "]}";
    }
    out << "]}\n";
}

} // namespace lampen::cli
