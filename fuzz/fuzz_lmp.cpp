// Arbitrary bytes as a group file. The bytes are split into lines; each line becomes a circuit
// of the window, every switch is pressed once and the circuit is stored back; the stored group is
// written out in memory and read again. Checked on the way: the lines keep every byte that is not
// a line end, a press toggles exactly the wired lamps, storing gives the well-formed code of what
// was read, and a written group reads back unchanged.

#include "Dialogs.h"
#include "GroupFile.h"
#include "Lampen.h"
#include "NumText.h"
#include "Schaltcode.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace lampen;

class SilentDialogs : public Dialogs {
public:
    void message(const std::string&, Icon, const std::string&) override {}
    std::string input(const std::string&, const std::string&) override { return {}; }
    std::string openFileName() override { return {}; }
    std::string saveFileName() override { return {}; }
};

// A fixed sequence, so that a finding replays exactly.
class SteppingRandom : public Random {
public:
    void seedFromClock() override {}
    double next() override {
        value_ += 0.618033988749895;
        if (value_ >= 1)
            value_ -= 1;
        return value_;
    }

private:
    double value_ = 0;
};

class FixedMetrics : public TextMetrics {
public:
    double matrixLineHeight() const override { return 11; }
};

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_lmp: check failed: %s\n", what);
        std::abort();
    }
}

// What storing a circuit must give: the code written from the wiring read out of the line.
std::string storedForm(std::string_view line) {
    Verbindungsmatrix m;
    const int k = readMaxIndex(line);
    readWiring(line, k, m);
    return writeCode(k, m);
}

void checkLines(std::string_view bytes, const GroupReadResult& read) {
    if (!read.ok) {
        check(read.lines.empty() && !read.error.empty(), "a refused group carries no lines");
        return;
    }
    check(read.lines.size() <= kMaxGroupLines, "at most 200 lines");
    std::size_t kept = 0;
    for (const std::string& line : read.lines) {
        check(line.find_first_of("\r\n") == std::string::npos, "no line end inside a line");
        kept += line.size();
    }
    std::size_t ends = 0;
    for (char c : bytes)
        ends += (c == '\r' || c == '\n') ? 1 : 0;
    check(kept + ends == bytes.size(), "every byte is in a line or a line end");
}

void playCircuit(Lampen& w, int nr, const std::string& line) {
    w.setTxtAktuell(numText(nr));
    w.loadCircuit();
    w.refreshView();
    const int k = w.maxIndex;
    check(k >= 0 && k <= kMaxIndex, "maxIndex within 0..9");
    check(k == readMaxIndex(line), "maxIndex from the first character");
    for (const auto& lamp : w.shpLampe)
        check(!lamp.on, "a loaded circuit starts dark");

    for (int s = 0; s <= k; ++s)
        w.cmdSchalter_Click(s);
    // Each lamp toggled once per switch wired to it with the value 1.
    for (int l = 0; l <= k; ++l) {
        int wired = 0;
        for (int s = 0; s <= k; ++s)
            wired += w.verbindungsmatrix(s, l) == 1 ? 1 : 0;
        check(w.shpLampe[static_cast<std::size_t>(l)].on == (wired % 2 == 1),
              "a press toggles exactly the wired lamps");
    }

    w.storeCircuit();
    const std::string& stored = w.schaltgruppe.slot(nr);
    check(stored == storedForm(line), "storing writes the code of what was read");
    check(stored.size() == static_cast<std::size_t>(2 + (k + 1) * (k + 2)),
          "a stored code is well-formed");
    check(storedForm(stored) == stored, "a stored code reads back as itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const GroupReadResult read = parseGroup(bytes);
    checkLines(bytes, read);
    if (!read.ok)
        return 0;
    check(parseGroup(formatGroup(read.lines)).lines == read.lines, "lines survive a round trip");

    SilentDialogs dialogs;
    SteppingRandom random;
    FixedMetrics metrics;
    Lampen w(dialogs, random, metrics);
    w.Form_Load();
    const int n = static_cast<int>(read.lines.size());
    for (int i = 1; i <= n; ++i)
        w.schaltgruppe.setSlot(i, read.lines[static_cast<std::size_t>(i - 1)]);
    w.txtAnzahl = numText(n);

    std::vector<std::string> stored;
    for (int i = 1; i <= n; ++i) {
        playCircuit(w, i, read.lines[static_cast<std::size_t>(i - 1)]);
        stored.push_back(w.schaltgruppe.slot(i));
    }

    const GroupReadResult again = parseGroup(formatGroup(stored));
    check(again.ok && again.lines == stored, "the stored group reads back unchanged");
    return 0;
}
