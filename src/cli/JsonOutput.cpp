#include "JsonOutput.h"

#include "FileErrorText.h"
#include "Utf8.h"

namespace lampen::cli {

namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD"; // U+FFFD

// Bytes that go into a JSON string as they are: printable ASCII other than quote and backslash.
bool plain(unsigned char c) {
    return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
}

// An ASCII byte that needs an escape.
void putEscaped(OutputBuffer& out, unsigned char c) {
    switch (c) {
    case '"':
        return out.put("\\\"");
    case '\\':
        return out.put("\\\\");
    case '\b':
        return out.put("\\b");
    case '\f':
        return out.put("\\f");
    case '\n':
        return out.put("\\n");
    case '\r':
        return out.put("\\r");
    case '\t':
        return out.put("\\t");
    default:
        break;
    }
    const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
    out.put(std::string_view(escape, sizeof escape));
}

void putBool(OutputBuffer& out, bool b) {
    out.put(b ? std::string_view("true") : std::string_view("false"));
}

void putCircuit(OutputBuffer& out, const CircuitReport& c) {
    out.put("{\"nr\":");
    out.number(c.nr);
    out.put(",\"code\":");
    putJsonString(out, c.code);
    out.put(",\"lamps\":");
    out.number(c.lamps);
    out.put(",\"rank\":");
    out.number(c.rank);
    out.put(",\"patterns\":");
    out.number(c.patterns);
    out.put(",\"producible\":");
    out.number(c.producible);
    out.put(",\"allProducible\":");
    putBool(out, c.allProducible);
    out.put(",\"fullTarget\":{\"solvable\":");
    putBool(out, c.solvable);
    out.put(",\"minPresses\":");
    if (c.minPresses)
        out.number(*c.minPresses);
    else
        out.put("null");
    out.put(",\"solutions\":[");
    for (std::size_t i = 0; i < c.solutions.size(); ++i) {
        if (i != 0)
            out.put(',');
        putJsonString(out, c.solutions[i]);
    }
    out.put("]}}");
}

} // namespace

void putJsonString(OutputBuffer& out, std::string_view bytes) {
    out.put('"');
    for (std::size_t pos = 0; pos < bytes.size();) {
        // Runs of plain bytes, the whole of any well-formed code, go out in one piece.
        std::size_t end = pos;
        while (end < bytes.size() && plain(static_cast<unsigned char>(bytes[end])))
            ++end;
        if (end != pos) {
            out.put(bytes.substr(pos, end - pos));
            pos = end;
            continue;
        }
        const Utf8Step step = nextCodePoint(bytes, pos);
        if (!step.valid)
            out.put(kReplacementUtf8);
        else if (step.codePoint >= 0x80)
            out.put(bytes.substr(pos, step.length));
        else
            putEscaped(out, static_cast<unsigned char>(step.codePoint));
        pos += step.length;
    }
    out.put('"');
}

void JsonWriter::separate() {
    out_.put(started_ ? std::string_view(",") : std::string_view("{\"files\":["));
    started_ = true;
}

void JsonWriter::group(const GroupReport& report) {
    separate();
    out_.put("{\"file\":");
    putJsonString(out_, report.file);
    if (report.error) { // in its place among the others, so the order still says which
        out_.put(",\"error\":");
        putJsonString(out_, germanReason(*report.error));
        out_.put('}');
        return;
    }
    out_.put(",\"circuits\":[");
    for (std::size_t i = 0; i < report.circuits.size(); ++i) {
        if (i != 0)
            out_.put(',');
        putCircuit(out_, report.circuits[i]);
    }
    out_.put("]}");
}

void JsonWriter::finish() {
    out_.put(started_ ? std::string_view("]}\n") : std::string_view("{\"files\":[]}\n"));
}

} // namespace lampen::cli
