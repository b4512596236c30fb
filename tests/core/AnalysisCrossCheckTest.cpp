// The analysis against the plain exhaustive one on random circuits of every size: every
// non-empty switch set pressed on lamps that start off. The exhaustive version and the rank here
// are written from the rules alone and share no code with the analysis.

#include "Analysis.h"
#include "Schaltcode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

namespace lampen {
namespace {

std::string lowestDigitFirst(unsigned n) {
    std::string text;
    do
        text += n % 2 == 1 ? '1' : '0';
    while ((n /= 2) != 0);
    return text;
}

void expectSameAsExhaustive(int k, const Verbindungsmatrix& m, std::mt19937& rng) {
    const unsigned sets = 1u << (k + 1), all = sets - 1;
    std::vector<unsigned> rows(k + 1, 0), kept; // the lamps each switch toggles: cells of exactly 1
    for (int s = 0; s <= k; ++s)
        for (int l = 0; l <= k; ++l)
            rows[s] |= m(s, l) == 1 ? 1u << l : 0u;
    for (unsigned r : rows) { // the rank: a row not vanishing under the kept ones is independent
        for (unsigned b : kept)
            r = std::min(r, r ^ b);
        if (r != 0)
            kept.push_back(r);
    }
    const int rank = static_cast<int>(kept.size());
    std::vector<unsigned> lamps(sets, 0), presses(sets, 0);
    std::array<bool, 1025> reachable{};
    for (unsigned set = 1; set < sets; ++set) {
        for (int s = 0; s <= k; ++s)
            if ((set >> s) & 1u) {
                lamps[set] ^= rows[s];
                ++presses[set];
            }
        reachable[lamps[set]] = true;
    }
    const int producible = static_cast<int>(std::count(&reachable[1], &reachable[sets], true));
    ASSERT_EQ(producible, (1 << rank) - 1);
    // All lamps, any lamps (at times beyond the circuit, which do not count), one certainly
    // produced, all off.
    const unsigned targets[] = {all, static_cast<unsigned>(rng()) & 0x3FFu, lamps[rng() % sets], 0};
    for (unsigned target : targets) {
        SCOPED_TRACE("target " + std::to_string(target));
        std::string text = "Schaltmuster der Lösung(en):\r\n\r\n";
        std::vector<std::uint16_t> solutions;
        unsigned fewest = kNoSolution;
        for (unsigned set = 1; set < sets; ++set)
            if (lamps[set] == (target & all)) {
                text += lowestDigitFirst(set) + "\r\n";
                solutions.push_back(static_cast<std::uint16_t>(set));
                fewest = std::min(fewest, presses[set]);
            }
        const Analysis a = analyse(k, m, target);
        ASSERT_EQ(a.maxIndex, k);
        ASSERT_EQ(a.rank, rank);
        ASSERT_EQ(a.patternCount, static_cast<int>(all));
        ASSERT_EQ(a.producibleCount, producible);
        ASSERT_EQ(a.allPatternsProducible, producible == static_cast<int>(all));
        ASSERT_EQ(a.minPresses, static_cast<int>(fewest));
        ASSERT_EQ(a.targetSolvable, !solutions.empty());
        ASSERT_EQ(a.solutions, solutions);
        ASSERT_EQ(a.solutionText, solutions.empty() ? text + "es gibt keine Lösung" : text);
    }
    const Analysis a = analyse(k, m, 0);
    for (unsigned p = 0; p < std::min(2 * sets, 1025u); ++p)
        ASSERT_EQ(a.reachable(p), reachable[p]) << "pattern " << p;
}

// The whole 11 x 11 table is filled, so cells outside the circuit hold stray wires; some cells
// carry digits 2..9 as a file may; copied rows make the switches dependent.
Verbindungsmatrix randomWiring(std::mt19937& rng) {
    const unsigned density = rng() % 100, stray = rng() % 2 == 0 ? 10 : 0; // percent
    Verbindungsmatrix m;
    for (auto& row : m.cell)
        for (int& c : row) {
            const unsigned r = static_cast<unsigned>(rng());
            c = r % 100 < stray ? 2 + static_cast<int>(r / 100 % 8) : (r >> 16) % 100 < density;
        }
    for (unsigned copies = rng() % 3; copies > 0; --copies)
        m.cell[rng() % 10] = m.cell[rng() % 10];
    return m;
}

TEST(AnalysisCrossCheck, RandomCircuitsOfEverySize) {
    std::mt19937 rng(20240611u);
    for (int k = 0; k <= kMaxIndex; ++k)
        for (int i = 0; i < 400; ++i) {
            const Verbindungsmatrix m = randomWiring(rng);
            SCOPED_TRACE("code " + writeCode(k, m));
            expectSameAsExhaustive(k, m, rng);
            if (HasFatalFailure())
                return;
        }
}

} // namespace
} // namespace lampen
