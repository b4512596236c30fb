// Arbitrary bytes as a group file, through the byte reader and the code parser. Checked: the
// lines keep every byte that is not a line end (or the leading byte-order mark), a written group
// reads back unchanged, and every line reads as a circuit whose stored code is well-formed and
// reads back as itself.

#include "FuzzCheck.h"
#include "GroupFile.h"
#include "Schaltcode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace lampen;
using fuzz::check;

constexpr std::string_view kMark = "\xEF\xBB\xBF";

void checkLines(std::string_view bytes, const FileResult<GroupLines>& read) {
    if (!read) {
        check(read.error().code == FileErrc::TooManyLines, "only too many lines is refused");
        return;
    }
    const GroupLines& lines = read.value();
    check(lines.size() <= kMaxGroupLines, "at most 200 lines");
    if (bytes.substr(0, kMark.size()) == kMark)
        bytes.remove_prefix(kMark.size());
    std::size_t kept = 0;
    for (const std::string& line : lines) {
        check(line.find_first_of("\r\n") == std::string::npos, "no line end inside a line");
        kept += line.size();
    }
    std::size_t ends = 0;
    for (char c : bytes)
        ends += (c == '\r' || c == '\n') ? 1 : 0;
    check(kept + ends == bytes.size(), "every byte is in a line or a line end");
}

void checkCircuit(std::string_view line) {
    const int k = readMaxIndex(line);
    check(k >= 0 && k <= kMaxIndex, "k within 0..9");
    check(k == (line.empty() ? 0 : codeDigit(line[0])), "k is the first character's digit");
    Verbindungsmatrix m;
    readWiring(line, k, m);
    const auto rows = wireRows(k, m);
    for (int s = 0; s <= k; ++s)
        for (int l = 0; l <= k; ++l) {
            check(m(s, l) >= 0 && m(s, l) <= 9, "each cell is one digit");
            check(((rows[static_cast<std::size_t>(s)] >> l) & 1u) == (m(s, l) == 1 ? 1u : 0u),
                  "a row's bit is set exactly where the cell is 1");
        }
    const std::string stored = writeCode(k, m);
    check(stored.size() == static_cast<std::size_t>(2 + (k + 1) * (k + 2)),
          "a stored code is well-formed");
    Verbindungsmatrix again;
    readWiring(stored, readMaxIndex(stored), again);
    check(readMaxIndex(stored) == k && writeCode(k, again) == stored,
          "a stored code reads back as itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const FileResult<GroupLines> read = parseGroup(bytes);
    checkLines(bytes, read);
    if (!read)
        return 0;
    const FileResult<GroupLines> back = parseGroup(formatGroup(read.value()));
    check(back && back.value() == read.value(), "a written group reads back unchanged");
    for (const std::string& line : read.value())
        checkCircuit(line);
    return 0;
}
