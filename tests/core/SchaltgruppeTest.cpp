// The group of 201 slots: checked access and the built-in circuits.

#include "Schaltgruppe.h"
#include "Schaltcode.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace lampen {
namespace {

std::string marker(int n) {
    return "slot " + std::to_string(n);
}

Schaltgruppe markedGroup() {
    Schaltgruppe g;
    for (int n = 0; n < kSlotCount; ++n)
        EXPECT_TRUE(g.setSlot(n, marker(n)));
    return g;
}

TEST(Schaltgruppe, StartsEmpty) {
    const Schaltgruppe g;
    for (int n = 0; n < kSlotCount; ++n)
        EXPECT_EQ(g.slot(n), "") << n;
}

TEST(Schaltgruppe, SlotsOutsideTheGroupAreNeverTouched) {
    Schaltgruppe g = markedGroup();
    for (int n : {-1, 201, 202, 1000, INT_MAX, INT_MIN, -201}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(Schaltgruppe::valid(n));
        EXPECT_EQ(g.slot(n), "");
        EXPECT_FALSE(g.setSlot(n, "2*110*011*001*"));
        EXPECT_EQ(g.slot(n), "");
    }
    for (int n = 0; n < kSlotCount; ++n)
        EXPECT_EQ(g.slot(n), marker(n)) << n;
}

TEST(Schaltgruppe, FirstAndLastSlotAreUsable) {
    Schaltgruppe g;
    EXPECT_TRUE(g.setSlot(0, "0*1*"));
    EXPECT_TRUE(g.setSlot(kMaxCircuits, "1*11*01*"));
    EXPECT_EQ(g.slot(0), "0*1*");
    EXPECT_EQ(g.slot(200), "1*11*01*");
}

TEST(Schaltgruppe, LoadBuiltInFillsOnlySlotsOneToNineteen) {
    Schaltgruppe g = markedGroup();
    g.loadBuiltIn();
    EXPECT_EQ(g.slot(0), marker(0));
    for (int n = 1; n <= kBuiltInCount; ++n)
        EXPECT_EQ(g.slot(n), builtInCodes()[static_cast<std::size_t>(n - 1)]) << n;
    for (int n = kBuiltInCount + 1; n < kSlotCount; ++n)
        EXPECT_EQ(g.slot(n), marker(n)) << n;
}

TEST(BuiltInGroup, NameAndFirstCircuit) {
    EXPECT_EQ(kBuiltInName, "Voreinstellung.lmp");
    EXPECT_EQ(builtInCodes().size(), 19u);
    EXPECT_EQ(builtInCodes()[0], "2*110*011*001*");
}

TEST(BuiltInGroup, EveryCodeIsWellFormedWithTheListedSize) {
    // switches and lamps of circuits 1..19
    const int sizes[kBuiltInCount] = {3, 4, 5, 10, 3, 4, 5, 6, 3, 4, 5, 6, 6, 4, 5, 4, 5, 6, 9};
    for (int i = 0; i < kBuiltInCount; ++i) {
        const std::string_view code = builtInCodes()[static_cast<std::size_t>(i)];
        SCOPED_TRACE("circuit " + std::to_string(i + 1));
        const int k = readMaxIndex(code);
        EXPECT_EQ(k + 1, sizes[i]);
        ASSERT_EQ(code.size(), static_cast<std::size_t>(2 + (k + 1) * (k + 2)));
        for (std::size_t pos = 1; pos < code.size(); ++pos) {
            const bool star = (pos - 1) % static_cast<std::size_t>(k + 2) == 0;
            if (star)
                EXPECT_EQ(code[pos], '*') << pos;
            else
                EXPECT_TRUE(code[pos] == '0' || code[pos] == '1') << pos;
        }
    }
}

TEST(BuiltInGroup, CircuitFourBreaksItsChainAtSwitchSix) {
    Verbindungsmatrix m;
    const std::string_view code = builtInCodes()[3];
    const int k = readMaxIndex(code);
    ASSERT_EQ(k, 9);
    readWiring(code, k, m);
    const auto rows = wireRows(k, m);
    // S0..S5 each join lamps s and s+1; S6 holds lamp 6 alone; S7..S9 join lamps s-1 and s.
    const unsigned expected[10] = {3u << 0, 3u << 1, 3u << 2, 3u << 3, 3u << 4,
                                   3u << 5, 1u << 6, 3u << 6, 3u << 7, 3u << 8};
    for (int s = 0; s <= 9; ++s)
        EXPECT_EQ(rows[static_cast<std::size_t>(s)], expected[s]) << "switch " << s;
}

} // namespace
} // namespace lampen
