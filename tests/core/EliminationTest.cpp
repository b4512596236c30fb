// The step-by-step elimination against the analysis (rank, solvable, fewest presses) on the
// built-in circuits and on random ones with digits 2..9 in their codes, and the steps themselves:
// each a legal row operation on the matrix before it, ending in reduced row echelon form.

#include "Elimination.h"
#include "Analysis.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <utility>

namespace lampen {
namespace {

// Replays the listed operations from the start matrix, which is checked against the wiring
// cell by cell, and checks the final matrix and the result read off it.
void expectSoundSteps(int k, const Verbindungsmatrix& m, unsigned target,
                      const EliminationSteps& e) {
    const int rows = k + 1, targetColumn = k + 1;
    for (int l = 0; l <= k; ++l) {
        for (int s = 0; s <= k; ++s)
            ASSERT_EQ((e.start[l] >> s) & 1u, m(s, l) == 1 ? 1u : 0u) << "lamp " << l << " S" << s;
        ASSERT_EQ(e.start[l] >> targetColumn, (target >> l) & 1u) << "lamp " << l;
    }
    AugmentedRows a = e.start;
    for (const EliminationStep& step : e.stepList()) {
        const RowOperation op = step.operation;
        ASSERT_LT(op.row, rows);
        ASSERT_LT(op.other, rows);
        ASSERT_NE(op.row, op.other);
        if (op.kind == RowOperationKind::Exchange)
            std::swap(a[op.row], a[op.other]);
        else
            a[op.row] ^= a[op.other];
        ASSERT_EQ(a, step.rows);
        ASSERT_LT(step.pivotRow, rows);
        ASSERT_LE(step.pivotColumn, targetColumn);
        ASSERT_EQ((a[step.pivotRow] >> step.pivotColumn) & 1u, 1u);
    }
    ASSERT_EQ(a, e.finalRows());

    // Reduced row echelon form: leading ones move right row by row, zero rows come last, and
    // a leading one is alone in its column.
    int lastLead = -1, rank = 0, contradiction = -1;
    unsigned leadColumns = 0;
    for (int r = 0; r < rows; ++r) {
        if (a[r] == 0) {
            lastLead = targetColumn + 1;
            continue;
        }
        const int lead = std::countr_zero(unsigned{a[r]});
        ASSERT_GT(lead, lastLead) << "row " << r;
        lastLead = lead;
        leadColumns |= 1u << lead;
        for (int i = 0; i < rows; ++i)
            ASSERT_TRUE(i == r || ((a[i] >> lead) & 1u) == 0) << "column " << lead;
        if (lead == targetColumn)
            contradiction = r;
        else
            ++rank;
    }
    EXPECT_EQ(e.rank, rank);
    EXPECT_EQ(e.contradictionRow, contradiction);
    EXPECT_EQ(e.freeSwitches, ~leadColumns & ((1u << rows) - 1));
    if (e.solvable) {
        unsigned lamps = 0;
        for (int s = 0; s <= k; ++s)
            if ((e.solution >> s) & 1u)
                for (int l = 0; l <= k; ++l)
                    lamps ^= m(s, l) == 1 ? 1u << l : 0u;
        EXPECT_EQ(lamps, target & ((1u << rows) - 1));
        EXPECT_EQ(std::popcount(unsigned{e.solution}), e.presses);
    }
}

void expectAgreement(int k, const Verbindungsmatrix& m, unsigned target) {
    SCOPED_TRACE("code " + writeCode(k, m) + " target " + std::to_string(target));
    const EliminationSteps e = eliminate(k, m, target);
    const Analysis a = analyse(k, m, target);
    EXPECT_EQ(e.maxIndex, k);
    EXPECT_EQ(e.rank, a.rank);
    EXPECT_EQ(e.solvable, a.targetSolvable);
    EXPECT_EQ(e.presses, a.minPresses);
    // Among the fewest presses, the lowest Schaltmuster number: the first such in the list.
    const auto first = std::find_if(a.solutions.begin(), a.solutions.end(),
                                    [&](unsigned s) { return std::popcount(s) == a.minPresses; });
    EXPECT_EQ(e.solution, first == a.solutions.end() ? 0u : *first);
    expectSoundSteps(k, m, target, e);
}

TEST(Elimination, AgreesWithAnalysisOnBuiltInCircuits) {
    std::mt19937 rng(1207u);
    for (const std::string_view code : builtInCodes()) {
        Verbindungsmatrix m;
        const int k = readMaxIndex(code);
        readWiring(code, k, m);
        const unsigned all = (1u << (k + 1)) - 1;
        expectAgreement(k, m, all);
        for (int i = 0; i < 30; ++i)
            expectAgreement(k, m, 1 + static_cast<unsigned>(rng()) % all);
    }
}

// The whole table is filled, so cells outside the circuit hold stray wires; digits 2..9 stand
// in some cells as a file may carry them, and copied rows make switches dependent.
TEST(Elimination, AgreesWithAnalysisOnRandomCircuits) {
    std::mt19937 rng(20261206u);
    for (int k = 0; k <= kMaxIndex; ++k)
        for (int i = 0; i < 300; ++i) {
            const unsigned density = rng() % 100, stray = rng() % 3 == 0 ? 0 : 15; // percent
            Verbindungsmatrix m;
            for (auto& row : m.cell)
                for (int& c : row) {
                    const unsigned r = static_cast<unsigned>(rng());
                    c = r % 100 < stray ? 2 + static_cast<int>(r / 100 % 8)
                                        : static_cast<int>((r >> 16) % 100 < density);
                }
            for (unsigned copies = rng() % 3; copies > 0; --copies)
                m.cell[rng() % 10] = m.cell[rng() % 10];
            // Any lamps (at times beyond the circuit, which do not count), and none.
            expectAgreement(k, m, static_cast<unsigned>(rng()) & 0x7FFu);
            expectAgreement(k, m, 0);
            if (HasFailure())
                return;
        }
}

} // namespace
} // namespace lampen
