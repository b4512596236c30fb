// Arbitrary bytes as a group file. The bytes are split into lines; each line becomes a circuit
// of the game, every switch is pressed once and the circuit is stored back by the editor; the
// stored group is written out in memory and read again. Checked on the way: the lines keep every
// byte that is not a line end, a press toggles exactly the wired lamps, storing gives the
// well-formed code of what was read, and a written group reads back unchanged.

#include "Game.h"
#include "GroupFile.h"
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

void playCircuit(Game& game, int nr, const std::string& line) {
    const GameState& s = game.state();
    game.goTo(ShownNumber::counted(nr));
    const int k = s.maxIndex;
    check(k >= 0 && k <= kMaxIndex, "maxIndex within 0..9");
    check(k == readMaxIndex(line), "maxIndex from the first character");
    check(s.lit == 0, "a loaded circuit starts dark");

    for (int sw = 0; sw <= k; ++sw)
        game.press(sw);
    // Each lamp toggled once per switch wired to it with the value 1.
    for (int l = 0; l <= k; ++l) {
        int wired = 0;
        for (int sw = 0; sw <= k; ++sw)
            wired += s.wiring(sw, l) == 1 ? 1 : 0;
        check(((s.lit >> l) & 1u) == (wired % 2 == 1 ? 1u : 0u),
              "a press toggles exactly the wired lamps");
    }

    // Two clicks on the same lamp button store the circuit with that cell a plain 0 or 1.
    Verbindungsmatrix expected;
    readWiring(line, k, expected);
    expected(0, 0) = expected(0, 0) == 1 ? 1 : 0;
    game.enterEditMode();
    game.toggleWire(0);
    game.toggleWire(0);
    game.leaveEditMode();
    const std::string& stored = s.group.slot(nr);
    check(stored == writeCode(k, expected), "storing writes the code of what was read");
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

    SteppingRandom random;
    Game game(random);
    game.start();
    game.takeGroup(read.lines);
    const int n = static_cast<int>(read.lines.size());
    std::vector<std::string> stored;
    for (int i = 1; i <= n; ++i) {
        playCircuit(game, i, read.lines[static_cast<std::size_t>(i - 1)]);
        stored.push_back(game.state().group.slot(i));
    }

    const GroupReadResult again = parseGroup(formatGroup(stored));
    check(again.ok && again.lines == stored, "the stored group reads back unchanged");
    return 0;
}
