// Circuit codes and the group of slots: the built-in codes' round trip, lenient reading of short
// and odd codes, stray digits, checked slot access, and Schaltmuster numbers as switch sets.

#include "Schaltcode.h"
#include "Analysis.h"
#include "Schaltgruppe.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <string>

namespace lampen {
namespace {

Verbindungsmatrix filledWith(int v) {
    Verbindungsmatrix m;
    for (auto& row : m.cell)
        row.fill(v);
    return m;
}

// Loads a code the way the window does: k from the first character, then the square 0..k.
int load(std::string_view code, Verbindungsmatrix& m) {
    const int k = readMaxIndex(code);
    readWiring(code, k, m);
    return k;
}

TEST(Schaltcode, EveryBuiltInCodeRoundTripsCharacterForCharacter) {
    // switches and lamps of circuits 1..19
    const int sizes[kBuiltInCount] = {3, 4, 5, 10, 3, 4, 5, 6, 3, 4, 5, 6, 6, 4, 5, 4, 5, 6, 9};
    ASSERT_EQ(builtInCodes().size(), 19u);
    EXPECT_EQ(builtInCodes()[0], "2*110*011*001*");
    for (std::size_t i = 0; i < builtInCodes().size(); ++i) {
        Verbindungsmatrix m = filledWith(7); // whatever stood there before
        const int k = load(builtInCodes()[i], m);
        EXPECT_EQ(k + 1, sizes[i]) << "circuit " << i + 1;
        EXPECT_EQ(writeCode(k, m), builtInCodes()[i]) << "circuit " << i + 1;
    }
}

TEST(Schaltcode, LenientReadingOfShortAndOddCodes) {
    std::string nineCutShort = "9*1101000000*";
    for (int s = 1; s <= 9; ++s)
        nineCutShort += "0000000000*";
    const struct {
        std::string code, written;
    } cases[] = {
        {"", "0*0*"},                         // an empty slot: one unwired switch and lamp
        {"x*1*", "0*1*"},                     // a first character that is no digit reads 0
        {"9*1101", nineCutShort},             // missing cells read 0
        {"2x110y011z001w", "2*110*011*001*"}, // the "*" positions are never examined
        {"2*110011*001*", "2*110*110*010*"},  // rows are found by arithmetic
        {"1*10*01*111111*junk", "1*10*01*"},  // text after the last row is ignored
        {"2*1a0*-b1*.+c*", "2*100*001*000*"}, // letters and signs read 0
        {"3*0123*4567*8912*3456*", "3*0123*4567*8912*3456*"}, // digits 2..9 are kept
    };
    for (const auto& c : cases) {
        Verbindungsmatrix m = filledWith(1);
        const int k = load(c.code, m);
        EXPECT_EQ(writeCode(k, m), c.written) << '"' << c.code << '"';
        EXPECT_TRUE(k == kMaxIndex || m(k + 1, 0) == 1) << "outside the circuit: untouched";
    }
    Verbindungsmatrix m;
    load("3*0123*4567*8912*3456*", m); // only a cell holding exactly 1 is a wire
    EXPECT_EQ(wireRows(3, m), (std::array<std::uint16_t, kMaxIndex + 1>{0b0010, 0, 0b0100}));
}

TEST(Schaltgruppe, SlotsOutsideTheGroupAreNeverTouched) {
    Schaltgruppe g;
    const auto marker = [](int n) { return "slot " + std::to_string(n); };
    for (int n = 0; n < kSlotCount; ++n)
        ASSERT_TRUE(g.setSlot(n, marker(n)));
    for (int n : {-1, 201, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(g.setSlot(n, "0*1*")) << n;
        EXPECT_EQ(g.slot(n), "") << n;
    }
    g.loadBuiltIn();
    for (int n = 0; n < kSlotCount; ++n) {
        const bool builtIn = n >= 1 && n <= kBuiltInCount;
        EXPECT_EQ(g.slot(n), builtIn ? std::string(builtInCodes()[static_cast<std::size_t>(n - 1)])
                                     : marker(n))
            << n;
    }
}

TEST(Analysis, SchaltmusterTextIsLowestSwitchFirst) {
    const struct {
        std::string decimal, text;
    } cases[] = {
        {"1", "1"},
        {"5", "101"},
        {"6", "011"},
        {"12", "0011"},
        {" 5", "101"},
        {"65541", "101"},
        {"-1", "1111111111111111"}, // taken as 16 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(toSchaltmuster(c.decimal), c.text) << '"' << c.decimal << '"';
    EXPECT_EQ(schaltmusterText(12), "0011");
}

} // namespace
} // namespace lampen
