// The tip against a search over every switch set: the presses still needed from the lamps as
// they are, and that the named switch leaves one press fewer, on random circuits whose codes
// carry digits 2..9 and stray wires outside the circuit.

#include "Tip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>

namespace lampen {
namespace {

// The fewest presses from lit to target over all 2^(k+1) switch sets, pressing each switch of a
// set in turn on scratch lamps; kNoSolution when none gets there.
int searchFewest(int k, const Verbindungsmatrix& m, unsigned lit, unsigned target) {
    const unsigned lamps = (1u << (k + 1)) - 1;
    int best = kNoSolution;
    for (unsigned x = 0; x < (1u << (k + 1)); ++x) {
        unsigned now = lit;
        for (int s = 0; s <= k; ++s)
            for (int l = 0; l <= k && ((x >> s) & 1u); ++l)
                now ^= m.cell[static_cast<std::size_t>(s)][static_cast<std::size_t>(l)] == 1
                           ? 1u << l
                           : 0u;
        if (((now ^ target) & lamps) == 0)
            best = std::min(best, std::popcount(x));
    }
    return best;
}

unsigned lampsOf(const Verbindungsmatrix& m, int s, int k) {
    unsigned lamps = 0;
    for (int l = 0; l <= k; ++l)
        lamps |=
            m.cell[static_cast<std::size_t>(s)][static_cast<std::size_t>(l)] == 1 ? 1u << l : 0u;
    return lamps;
}

TEST(Tip, NamesASwitchOnAShortestWayFromTheLampsAsTheyAre) {
    std::mt19937 rng(1212u);
    int reached = 0, unreachable = 0, there = 0;
    for (int k = 0; k <= kMaxIndex; ++k)
        for (int i = 0; i < 150; ++i) {
            const unsigned density = rng() % 100; // percent
            Verbindungsmatrix m;
            for (auto& row : m.cell)
                for (int& c : row) {
                    const unsigned r = static_cast<unsigned>(rng());
                    c = r % 100 < 10 ? 2 + static_cast<int>(r / 100 % 8)
                                     : static_cast<int>((r >> 16) % 100 < density);
                }
            if (rng() % 3 == 0) // dependent switches: several shortest ways
                m.cell[rng() % 10] = m.cell[rng() % 10];
            // Lamps beyond the circuit, lit or wanted, do not count.
            const unsigned lit = static_cast<unsigned>(rng()) & 0x3FFu;
            const unsigned target = i % 5 == 0 ? lit : static_cast<unsigned>(rng()) & 0x3FFu;
            SCOPED_TRACE("code " + writeCode(k, m) + " lit " + std::to_string(lit) + " target " +
                         std::to_string(target));

            const Tip tip = tipFrom(k, m, lit, target);
            const int fewest = searchFewest(k, m, lit, target);
            ASSERT_EQ(tip.presses, fewest);
            ASSERT_EQ(tip.there(), fewest == 0);
            ASSERT_EQ(tip.reachable(), fewest != kNoSolution);
            if (fewest == 0 || fewest == kNoSolution) {
                ASSERT_EQ(tip.pressNext, -1);
                ++(fewest == 0 ? there : unreachable);
                continue;
            }
            ASSERT_TRUE(tip.pressNext >= 0 && tip.pressNext <= k) << tip.pressNext;
            ASSERT_EQ(searchFewest(k, m, lit ^ lampsOf(m, tip.pressNext, k), target), fewest - 1)
                << "S" << tip.pressNext;
            ++reached;
        }
    // Every kind of answer was met often enough to mean something.
    EXPECT_GT(std::min({reached, unreachable, there}), 100)
        << reached << " " << unreachable << " " << there;
}

} // namespace
} // namespace lampen
