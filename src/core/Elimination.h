#pragma once
// The Gauss–Jordan elimination of a task over GF(2), step by step, for showing the learner why a
// target can or cannot be made.
//
// The system has one equation per lamp and one unknown per switch (pressed or not): row l of the
// augmented matrix holds bit s where switch s is wired to lamp l, and bit k+1 when lamp l is in
// the target. Each step is one row operation and the matrix after it. The columns are worked
// through from S0 on, the target column last, so the final matrix is in reduced row echelon form
// and an unsolvable system ends with exactly one row reading 0 = 1.
//
// Everything lives in fixed-size arrays: the elimination allocates nothing.

#include "Analysis.h"
#include "Schaltcode.h"

#include <array>
#include <cstdint>
#include <span>

namespace lampen {

// Rows of the augmented matrix: bit s is switch column s, bit k+1 the target column.
using AugmentedRows = std::array<std::uint16_t, kMaxIndex + 1>;

// Every pivot takes at most one exchange and one addition into each other row.
inline constexpr int kMaxEliminationSteps = (kMaxIndex + 1) * (kMaxIndex + 1);

enum class RowOperationKind : std::uint8_t { Exchange, Add };

// Exchange: rows `row` and `other` trade places (`row` is the pivot row, the upper one).
// Add: row `other` is added to row `row`. Indices count from 0.
struct RowOperation {
    RowOperationKind kind = RowOperationKind::Add;
    std::uint8_t row = 0;
    std::uint8_t other = 0;
};

struct EliminationStep {
    RowOperation operation;
    // The pivot this step works for, in the matrix after it.
    std::uint8_t pivotRow = 0;
    std::uint8_t pivotColumn = 0;
    AugmentedRows rows{}; // the matrix after the operation
};

struct EliminationSteps {
    int maxIndex = 0;
    AugmentedRows start{}; // the augmented matrix before the first step
    std::array<EliminationStep, kMaxEliminationSteps> steps{};
    int stepCount = 0;

    int rank = 0; // of the switch columns
    // Some non-empty switch set produces the target (the empty set never counts as a solution).
    bool solvable = false;
    // The row reading 0 = 1 in the final matrix, or -1 when there is none.
    int contradictionRow = -1;
    // A solving set with the fewest presses, the lowest Schaltmuster number among equals; 0 when
    // not solvable.
    std::uint16_t solution = 0;
    int presses = kNoSolution;
    std::uint16_t freeSwitches = 0; // switch columns without a pivot

    std::span<const EliminationStep> stepList() const {
        return {steps.data(), static_cast<std::size_t>(stepCount)};
    }
    // The matrix after the last step (the start matrix when no step was needed).
    const AugmentedRows& finalRows() const {
        return stepCount == 0 ? start : steps[static_cast<std::size_t>(stepCount - 1)].rows;
    }
};

// The augmented matrix of the circuit of k+1 switches and lamps and the target (bit l = lamp l);
// only a cell of exactly 1 is a wire.
AugmentedRows augmentedMatrix(int k, const Verbindungsmatrix& wiring, unsigned targetLamps);

EliminationSteps eliminate(int k, const Verbindungsmatrix& wiring, unsigned targetLamps);

} // namespace lampen
