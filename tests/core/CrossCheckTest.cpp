// The analysis, the elimination steps and the tip against a plain search that presses every
// switch set on lamps that start off, on the built-in circuits and on random ones whose codes
// carry stray wires outside the circuit and digits 2..9. The search and the rank here are
// written from the rules alone and share no code with what they check.

#include "Analysis.h"
#include "Elimination.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"
#include "Tip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace lampen {
namespace {

struct Search {
    int k = 0;
    unsigned sets = 0, all = 0;
    std::vector<unsigned> rows, lamps; // per switch its lamps (cells of exactly 1); per switch set
    std::array<int, 1024> fewest{};    // presses per pattern, the empty set included
    int rank = 0;
};

Search search(int k, const Verbindungsmatrix& m) {
    const unsigned sets = 1u << (k + 1);
    Search x{
        k,  sets, sets - 1, std::vector<unsigned>(std::size_t(k + 1)), std::vector<unsigned>(sets),
        {}, 0};
    x.fewest.fill(kNoSolution);
    for (int s = 0; s <= k; ++s)
        for (int l = 0; l <= k; ++l)
            x.rows[s] |= m(s, l) == 1 ? 1u << l : 0u;
    for (unsigned set = 0; set < x.sets; ++set) {
        for (int s = 0; s <= k; ++s)
            x.lamps[set] ^= (set >> s) & 1u ? x.rows[s] : 0u;
        x.fewest[x.lamps[set]] = std::min(x.fewest[x.lamps[set]], std::popcount(set));
    }
    // The patterns made, "all off" included, form a space of 2^rank.
    x.rank = std::countr_zero(static_cast<unsigned>(
        std::ranges::count_if(x.fewest, [](int f) { return f != kNoSolution; })));
    return x;
}

// The listed operations replayed from the start matrix, which must hold the wiring and target,
// end in the final matrix, and that is in reduced row echelon form matching the result.
void expectSoundSteps(const Search& x, unsigned target, const EliminationSteps& e) {
    const int rows = x.k + 1, targetColumn = x.k + 1;
    for (int l = 0; l <= x.k; ++l)
        for (int s = 0; s <= x.k + 1; ++s)
            ASSERT_EQ((e.start[l] >> s) & 1u,
                      s == targetColumn ? (target >> l) & 1u : (x.rows[s] >> l) & 1u)
                << "lamp " << l << " column " << s;
    AugmentedRows a = e.start;
    for (const EliminationStep& step : e.stepList()) {
        const RowOperation op = step.operation;
        ASSERT_TRUE(op.row < rows && op.other < rows && op.row != op.other);
        if (op.kind == RowOperationKind::Exchange)
            std::swap(a[op.row], a[op.other]);
        else
            a[op.row] ^= a[op.other];
        ASSERT_EQ(a, step.rows);
        ASSERT_TRUE(step.pivotRow < rows && step.pivotColumn <= targetColumn);
        ASSERT_EQ((a[step.pivotRow] >> step.pivotColumn) & 1u, 1u);
    }
    ASSERT_EQ(a, e.finalRows());
    // Leading ones move right row by row, zero rows come last, a leading one is alone in its
    // column.
    int lastLead = -1, rank = 0, contradiction = -1;
    unsigned leadColumns = 0;
    for (int r = 0; r < rows; ++r) {
        const int lead = a[r] == 0 ? targetColumn + 1 : std::countr_zero(unsigned{a[r]});
        ASSERT_TRUE(lead > lastLead || (a[r] == 0 && lastLead == lead)) << "row " << r;
        lastLead = lead;
        if (a[r] == 0)
            continue;
        leadColumns |= 1u << lead;
        for (int i = 0; i < rows; ++i)
            ASSERT_TRUE(i == r || ((a[i] >> lead) & 1u) == 0) << "column " << lead;
        lead == targetColumn ? contradiction = r : ++rank;
    }
    EXPECT_EQ(std::tuple(e.rank, e.contradictionRow, unsigned{e.freeSwitches}),
              std::tuple(rank, contradiction, ~leadColumns & x.all));
}

// Analysis and elimination of one target; only non-empty switch sets solve.
void expectTarget(const Search& x, const Verbindungsmatrix& m, unsigned target) {
    SCOPED_TRACE("target " + std::to_string(target));
    std::string text = "Schaltmuster der Lösung(en):\r\n\r\n";
    std::vector<std::uint16_t> solutions;
    int fewest = kNoSolution;
    unsigned first = 0; // among the fewest presses, the lowest Schaltmuster number
    for (unsigned set = 1; set < x.sets; ++set)
        if (x.lamps[set] == (target & x.all)) {
            for (unsigned n = set; n != 0; n /= 2)
                text += "01"[n % 2];
            text += "\r\n";
            solutions.push_back(static_cast<std::uint16_t>(set));
            if (std::popcount(set) < fewest)
                fewest = std::popcount(set), first = set;
        }
    const Analysis a = analyse(x.k, m, target);
    const int producible = (1 << x.rank) - 1; // "all off" not counted
    ASSERT_EQ(std::tuple(a.maxIndex, a.rank, a.patternCount, a.producibleCount),
              std::tuple(x.k, x.rank, static_cast<int>(x.all), producible));
    ASSERT_EQ(a.allPatternsProducible, producible == static_cast<int>(x.all));
    ASSERT_EQ(std::tuple(a.minPresses, a.targetSolvable, a.solutions),
              std::tuple(fewest, !solutions.empty(), solutions));
    ASSERT_EQ(a.solutionText, solutions.empty() ? text + "es gibt keine Lösung" : text);
    for (unsigned p = 0; p < std::min(2 * x.sets, 1024u); ++p)
        ASSERT_EQ(a.reachable(p),
                  p < x.sets && x.fewest[p] != kNoSolution && (p != 0 || x.rank <= x.k))
            << "pattern " << p;

    const EliminationSteps e = eliminate(x.k, m, target);
    ASSERT_EQ(std::tuple(e.maxIndex, e.rank, e.solvable, e.presses, unsigned{e.solution}),
              std::tuple(x.k, x.rank, !solutions.empty(), fewest, first));
    expectSoundSteps(x, target, e);
}

// From lit to target, pressing nothing included; the named switch leaves one press fewer.
void expectTip(const Search& x, const Verbindungsmatrix& m, unsigned lit, unsigned target,
               std::array<int, 3>& met) {
    SCOPED_TRACE("lit " + std::to_string(lit) + " target " + std::to_string(target));
    const Tip tip = tipFrom(x.k, m, lit, target);
    const int fewest = x.fewest[(lit ^ target) & x.all];
    ASSERT_EQ(std::tuple(tip.presses, tip.there(), tip.reachable()),
              std::tuple(fewest, fewest == 0, fewest != kNoSolution));
    ++met[fewest == 0 ? 0 : fewest == kNoSolution ? 1 : 2];
    if (fewest == 0 || fewest == kNoSolution)
        ASSERT_EQ(tip.pressNext, -1);
    else
        ASSERT_TRUE(tip.pressNext >= 0 && tip.pressNext <= x.k &&
                    x.fewest[(lit ^ x.rows[tip.pressNext] ^ target) & x.all] == fewest - 1)
            << "S" << tip.pressNext;
}

// The whole 11 x 11 table is filled, so cells outside the circuit hold stray wires; copied rows
// make switches dependent.
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

// Targets: all lamps, none, one certainly produced, and any lamps (at times beyond the circuit,
// which do not count); lit lamps for the tip likewise, at times already the target.
TEST(CrossCheck, AnalysisEliminationAndTipOnBuiltInAndRandomCircuits) {
    std::mt19937 rng(20261206u);
    std::array<int, 3> met{}; // tips at the target, unreachable, with a switch to press
    const auto check = [&](int k, const Verbindungsmatrix& m, int anyTargets) {
        SCOPED_TRACE("code " + writeCode(k, m));
        const Search x = search(k, m);
        std::vector<unsigned> targets{x.all, 0, x.lamps[rng() % x.sets]};
        for (int i = 0; i < anyTargets; ++i)
            targets.push_back(static_cast<unsigned>(rng()) & 0x7FFu);
        for (unsigned target : targets)
            expectTarget(x, m, target);
        const unsigned lit = static_cast<unsigned>(rng()) & 0x3FFu;
        expectTip(x, m, lit, rng() % 5 == 0 ? lit : static_cast<unsigned>(rng()) & 0x3FFu, met);
    };
    for (const std::string_view code : builtInCodes()) {
        Verbindungsmatrix m;
        const int k = readMaxIndex(code);
        readWiring(code, k, m);
        check(k, m, 30);
    }
    for (int k = 0; k <= kMaxIndex && !HasFailure(); ++k)
        for (int i = 0; i < 300 && !HasFailure(); ++i)
            check(k, randomWiring(rng), 1);
    EXPECT_GT(std::ranges::min(met), 100) << met[0] << " " << met[1] << " " << met[2];
}

} // namespace
} // namespace lampen
