#include "Tip.h"

#include "Elimination.h"

#include <algorithm>
#include <bit>

namespace lampen {

Tip tipFrom(int k, const Verbindungsmatrix& wiring, unsigned lit, unsigned target) {
    k = std::clamp(k, 0, kMaxIndex);
    const unsigned still = (lit ^ target) & ((1u << (k + 1)) - 1); // lamps still to toggle
    if (still == 0)
        return {0, -1};
    // The lamps to toggle are a target of their own; the empty set never toggles them.
    const EliminationSteps e = eliminate(k, wiring, still);
    if (!e.solvable)
        return {};
    return {e.presses, std::countr_zero(unsigned{e.solution})};
}

} // namespace lampen
