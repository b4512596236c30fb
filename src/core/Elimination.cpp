#include "Elimination.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace lampen {

namespace {

// Presses of every switch set: a table, since the search below looks at up to 1024 sets and
// std::popcount is a library call without the processor's own instruction.
constexpr std::array<std::uint8_t, 1u << (kMaxIndex + 1)> makePressCounts() {
    std::array<std::uint8_t, 1u << (kMaxIndex + 1)> counts{};
    for (std::size_t x = 1; x < counts.size(); ++x)
        counts[x] = static_cast<std::uint8_t>(counts[x >> 1] + (x & 1u));
    return counts;
}
constexpr auto kPressCounts = makePressCounts();

// The solving set with the fewest presses among the particular solution plus every combination
// of the kernel basis; the lowest number among equals, and never the empty set.
std::uint16_t fewestPresses(unsigned particular,
                            const std::array<std::uint16_t, kMaxIndex + 1>& kernel, int nullity) {
    // Presses above the set's number: the smallest key is the answer. The empty set gets a key
    // above every other.
    const auto key = [](unsigned x) {
        return x == 0 ? ~0u : (unsigned{kPressCounts[x]} << (kMaxIndex + 1)) | x;
    };
    // Gray-code order: each combination is the previous one and a single basis vector.
    unsigned x = particular;
    unsigned best = key(x);
    for (unsigned c = 1; c < (1u << nullity); ++c) {
        x ^= kernel[static_cast<std::size_t>(std::countr_zero(c))];
        best = std::min(best, key(x));
    }
    return best == ~0u ? 0 : static_cast<std::uint16_t>(best & ((1u << (kMaxIndex + 1)) - 1));
}

} // namespace

AugmentedRows augmentedMatrix(int k, const Verbindungsmatrix& wiring, unsigned targetLamps) {
    k = std::clamp(k, 0, kMaxIndex);
    const std::array<std::uint16_t, kMaxIndex + 1> switchRows = wireRows(k, wiring);
    AugmentedRows rows{};
    for (int l = 0; l <= k; ++l) {
        unsigned row = ((targetLamps >> l) & 1u) << (k + 1);
        for (int s = 0; s <= k; ++s)
            row |= ((switchRows[static_cast<std::size_t>(s)] >> l) & 1u) << s;
        rows[static_cast<std::size_t>(l)] = static_cast<std::uint16_t>(row);
    }
    return rows;
}

EliminationSteps eliminate(int k, const Verbindungsmatrix& wiring, unsigned targetLamps) {
    EliminationSteps e;
    k = std::clamp(k, 0, kMaxIndex);
    e.maxIndex = k;
    e.start = augmentedMatrix(k, wiring, targetLamps);

    AugmentedRows rows = e.start;
    const int rowCount = k + 1;
    const int targetColumn = k + 1;
    std::array<int, kMaxIndex + 1> pivotColumn{}; // of pivot row r
    int pivots = 0;
    const auto record = [&](RowOperationKind kind, int row, int other, int column) {
        EliminationStep& step = e.steps[static_cast<std::size_t>(e.stepCount++)];
        step.operation = {kind, static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(other)};
        step.pivotRow = static_cast<std::uint8_t>(pivots);
        step.pivotColumn = static_cast<std::uint8_t>(column);
        step.rows = rows;
    };

    for (int c = 0; c <= targetColumn && pivots < rowCount; ++c) {
        const unsigned bit = 1u << c;
        int r = pivots;
        while (r < rowCount && (rows[static_cast<std::size_t>(r)] & bit) == 0)
            ++r;
        if (r == rowCount)
            continue;
        const auto p = static_cast<std::size_t>(pivots);
        if (r != pivots) {
            std::swap(rows[p], rows[static_cast<std::size_t>(r)]);
            record(RowOperationKind::Exchange, pivots, r, c);
        }
        for (int i = 0; i < rowCount; ++i) {
            auto& row = rows[static_cast<std::size_t>(i)];
            if (i != pivots && (row & bit) != 0) {
                row ^= rows[p];
                record(RowOperationKind::Add, i, pivots, c);
            }
        }
        pivotColumn[p] = c;
        ++pivots;
    }

    e.rank = pivots;
    if (pivots > 0 && pivotColumn[static_cast<std::size_t>(pivots - 1)] == targetColumn) {
        e.rank = pivots - 1;
        e.contradictionRow = pivots - 1;
    }
    unsigned freeSwitches = (1u << rowCount) - 1;
    for (int r = 0; r < e.rank; ++r)
        freeSwitches &= ~(1u << pivotColumn[static_cast<std::size_t>(r)]);
    e.freeSwitches = static_cast<std::uint16_t>(freeSwitches);
    if (e.contradictionRow >= 0)
        return e;

    // Free switches unpressed give the particular solution; each free switch with the pivot
    // switches it forces gives a kernel vector.
    unsigned particular = 0;
    std::array<std::uint16_t, kMaxIndex + 1> kernel{};
    int nullity = 0;
    for (int r = 0; r < e.rank; ++r)
        if ((rows[static_cast<std::size_t>(r)] >> targetColumn) & 1u)
            particular |= 1u << pivotColumn[static_cast<std::size_t>(r)];
    for (unsigned f = freeSwitches; f != 0; f &= f - 1) {
        const int s = std::countr_zero(f);
        unsigned v = 1u << s;
        for (int r = 0; r < e.rank; ++r)
            if ((rows[static_cast<std::size_t>(r)] >> s) & 1u)
                v |= 1u << pivotColumn[static_cast<std::size_t>(r)];
        kernel[static_cast<std::size_t>(nullity++)] = static_cast<std::uint16_t>(v);
    }
    e.solution = fewestPresses(particular, kernel, nullity);
    e.solvable = e.solution != 0;
    e.presses = e.solvable ? std::popcount(e.solution) : kNoSolution;
    return e;
}

} // namespace lampen
